#include "about/frmabout.h"
#include "platform/failure.h"
#include "platform/memoryregistry.h"

#include <QTest>

namespace reg = platform::registry;

// GetKeyValue against values of every shape put into the registry layer.
class TestGetKeyValue : public QObject
{
    Q_OBJECT

private slots:
    void init() { platform::memoryregistry::clear(); }
    void readsValues_data();
    void readsValues();
    void valueWithoutDataFailsOutright();
    void keyOpenOnlyForReadingFails();
};

namespace {
const QString keyName = QStringLiteral("SOFTWARE\\Voxtrel\\Test");
const QByteArray keyPath = keyName.toLatin1();
} // namespace

void TestGetKeyValue::readsValues_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("subKey");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("value");
    const QByteArray longest(1023, 'x');
    const auto row = [](const char *name, uint type, const QByteArray &data) -> QTestData & {
        return QTest::newRow(name) << type << data << QStringLiteral("Tool") << keyName;
    };
    row("terminated string", reg::typeString, QByteArray("/usr/bin/tool\0", 14))
        << true << "/usr/bin/tool";
    row("unterminated string", reg::typeString, "/usr/bin/tool") << true << "/usr/bin/tool";
    row("only a terminator", reg::typeString, QByteArray(1, '\0')) << true << "";
    row("two terminators, one dropped", reg::typeString, QByteArray("ab\0\0", 4))
        << true << QString::fromLatin1("ab\0", 3);
    row("1024 bytes fill the buffer", reg::typeString, longest + '\0')
        << true << QString::fromLatin1(longest);
    row("1025 bytes overflow it", reg::typeString, longest + "y" + '\0') << false << "";
    row("double word", reg::typeDword, QByteArray("\x78\x56\x34\x12", 4)) << true << "&h12345678";
    row("other type leaves KeyVal", 2, QByteArray("%PATH%\0", 7)) << true << "before";
    QTest::newRow("missing value")
        << uint(reg::typeString) << QByteArray("x") << "Other" << keyName << false << "";
    QTest::newRow("missing key") << uint(reg::typeString) << QByteArray("x") << "Tool"
                                 << "SOFTWARE\\Voxtrel\\Other" << false << "";
}

void TestGetKeyValue::readsValues()
{
    QFETCH(uint, type);
    QFETCH(QByteArray, data);
    QFETCH(QString, subKey);
    QFETCH(QString, key);
    QFETCH(bool, found);
    QFETCH(QString, value);
    platform::memoryregistry::setValue(reg::localMachine, keyPath, "Tool", type, data);
    QString KeyVal = QStringLiteral("before");
    QCOMPARE(FrmAbout::GetKeyValue(reg::localMachine, key, subKey, KeyVal), found);
    QCOMPARE(KeyVal, value);
    QCOMPARE(platform::memoryregistry::openKeyCount(), 0);
}

void TestGetKeyValue::valueWithoutDataFailsOutright()
{
    platform::memoryregistry::setValue(reg::localMachine, keyPath, "Tool", reg::typeString, {});
    QString KeyVal;
    QVERIFY_THROWS_EXCEPTION(platform::Failure,
                             FrmAbout::GetKeyValue(reg::localMachine, keyName, "Tool", KeyVal));
    QCOMPARE(platform::memoryregistry::openKeyCount(), 0);
}

// The key is opened with write access, which a key that may only be read refuses.
void TestGetKeyValue::keyOpenOnlyForReadingFails()
{
    platform::memoryregistry::setValue(reg::localMachine, keyPath, "Tool", reg::typeString,
                                       "/usr/bin/tool");
    const std::uint32_t readOnly =
        reg::keyQueryValue | reg::keyEnumerateSubKeys | reg::keyNotify | reg::readControl;
    platform::memoryregistry::createKey(reg::localMachine, keyPath, readOnly);
    QString KeyVal = QStringLiteral("before");
    QVERIFY(!FrmAbout::GetKeyValue(reg::localMachine, keyName, "Tool", KeyVal));
    QCOMPARE(KeyVal, QString());

    // It is the write access that fails: the key itself opens for reading.
    reg::Key key = 0;
    QCOMPARE(reg::openKey(reg::localMachine, keyPath, 0, readOnly, &key), reg::success);
    QCOMPARE(reg::closeKey(key), reg::success);
}

QTEST_GUILESS_MAIN(TestGetKeyValue)
#include "tst_getkeyvalue.moc"
