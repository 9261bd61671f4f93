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
    QTest::addColumn<bool>("stored");
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("subKey");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("value");
    const QByteArray longest(1023, 'x');
    const auto row = [](const char *name, uint type, const QByteArray &data) -> QTestData & {
        return QTest::newRow(name) << true << type << data << QStringLiteral("Tool");
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
    row("double word with a zero top byte", reg::typeDword, QByteArray("\x40\xE2\x01\x00", 4))
        << true << "&h01E240";
    row("binary value leaves KeyVal", 3, "tool") << true << "before";
    row("expandable string leaves KeyVal", 2, QByteArray("%PATH%\0", 7)) << true << "before";
    QTest::newRow("missing value")
        << true << uint(reg::typeString) << QByteArray("x") << "Other" << false << "";
    QTest::newRow("missing key") << false << uint(reg::typeString) << QByteArray("x") << "Tool"
                                 << false << "";
}

void TestGetKeyValue::readsValues()
{
    QFETCH(bool, stored);
    QFETCH(uint, type);
    QFETCH(QByteArray, data);
    QFETCH(QString, subKey);
    QFETCH(bool, found);
    QFETCH(QString, value);
    if (stored)
        platform::memoryregistry::setValue(reg::localMachine, keyPath, "Tool", type, data);
    QString KeyVal = QStringLiteral("before");
    QCOMPARE(FrmAbout::GetKeyValue(reg::localMachine, keyName, subKey, KeyVal), found);
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

    reg::Key key = 0;
    QCOMPARE(reg::openKey(reg::localMachine, keyPath, 0, readOnly, &key), reg::success);
    std::uint32_t size = 0;
    QCOMPARE(reg::queryValue(key, "TOOL", nullptr, nullptr, nullptr, &size), reg::success);
    QCOMPARE(size, 13u);
    QCOMPARE(reg::closeKey(key), reg::success);
    QCOMPARE(reg::closeKey(key), reg::invalidHandle);
}

QTEST_GUILESS_MAIN(TestGetKeyValue)
#include "tst_getkeyvalue.moc"
