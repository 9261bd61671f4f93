#include "platform/commonsave.h"

#include <QTest>

using platform::CommonSave;

class TestCommonSave : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { CommonSave::setChooser({}); }
    void filterBecomesQtNameFilters_data();
    void filterBecomesQtNameFilters();
    void cancelRaisesAnErrorOnlyWhenAskedTo_data();
    void cancelRaisesAnErrorOnlyWhenAskedTo();
};

void TestCommonSave::filterBecomesQtNameFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("nameFilters");
    QTest::newRow("one pair") << "Text files|*.TXT" << QStringList{"Text files (*.TXT)"};
    QTest::newRow("two pairs") << "Text files|*.TXT|All files|*.*"
                               << QStringList{"Text files (*.TXT)", "All files (*.*)"};
    QTest::newRow("several patterns") << "Texts|*.txt;*.log" << QStringList{"Texts (*.txt *.log)"};
    QTest::newRow("description without pattern") << "Text files" << QStringList{};
}

void TestCommonSave::filterBecomesQtNameFilters()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, nameFilters);
    CommonSave save;
    save.setFilter(filter);
    QCOMPARE(save.nameFilters(), nameFilters);
}

void TestCommonSave::cancelRaisesAnErrorOnlyWhenAskedTo_data()
{
    QTest::addColumn<bool>("cancelError");
    QTest::newRow("cancel error on") << true;
    QTest::newRow("cancel error off") << false;
}

void TestCommonSave::cancelRaisesAnErrorOnlyWhenAskedTo()
{
    QFETCH(bool, cancelError);
    CommonSave save;
    save.setCancelError(cancelError);
    CommonSave::setChooser([](const CommonSave &) { return QStringLiteral("/tmp/first.TXT"); });
    QVERIFY(save.showSave(nullptr));
    CommonSave::setChooser([](const CommonSave &) { return std::nullopt; });
    QCOMPARE(save.showSave(nullptr), !cancelError);
    QCOMPARE(save.fileName(), QStringLiteral("/tmp/first.TXT"));
}

QTEST_GUILESS_MAIN(TestCommonSave)
#include "tst_commonsave.moc"
