// LogError and the handler guard against fake services: the log record and its file, its order
// relative to the message box, and what each guard variant reports or swallows.
#include "errors/core/error_context.h"
#include "errors/core/failure.h"
#include "errors/ui/guard.h"
#include "errors/ui/log_error.h"
#include "support/fake_services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>
#include <new>
#include <stdexcept>

namespace vexmoor {
namespace {

using namespace test;

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Record(const char* proc, const QByteArray& reportText, int number)
{
    return "12/6/2026 3:04:05 PM -> QNVXM [frmVexmoor] -> Position (" + QByteArray(proc) + ") -> " +
        reportText + " {" + QByteArray::number(number) + "}\r\n";
}

// Throws what a guard reports as `number`: that failure, or for 7, 9 and 51 the C++ exceptions
// reported under those numbers; nothing for 0.
void Throw(int number)
{
    if (number == 7)
        throw std::bad_alloc();
    if (number == 9)
        throw std::out_of_range("i");
    if (number == 51)
        throw 42;
    if (number != 0)
        throw Failure(number, ErrorDescription(number));
}

using V = GuardVariant;
const struct
{
    const char* name;
    GuardVariant variant;
    int number; // thrown by the body, 0 when it completes
    bool cancel;
    const char* reported; // nullptr: nothing shown and nothing logged
} kGuardRows[] = {
    {"plain completes", V::Plain, 0, false, nullptr},
    {"plain 11", V::Plain, 11, false, "Division by zero"},
    {"entry 13 keeps the focus", V::InvalidNumber, 13, true, "Enter a valid number."},
    {"entry 6 keeps the focus", V::InvalidNumber, 6, true, "Overflow"},
    {"entry 11", V::InvalidNumber, 11, false, "Division by zero"},
    {"silent 6", V::SilentArithmetic, 6, false, nullptr},
    {"silent 11", V::SilentArithmetic, 11, false, nullptr},
    {"silent 13", V::SilentArithmetic, 13, false, "Type mismatch"},
    {"bad_alloc", V::Plain, 7, false, "Out of memory"},
    {"out_of_range", V::Plain, 9, false, "Subscript out of range"},
    {"anything else", V::SilentArithmetic, 51, false, "Internal error"},
};

} // namespace

class LogErrorTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The mended fault: each record is appended to the file before its box shows.
    void recordsAppendBeforeEachBox()
    {
        FakeServices fake;
        ScopedServices scoped(fake);
        fake.baseName = QStringLiteral("my calc"); // names the file; records keep QNVXM
        QFile older(fake.LogPath());
        QVERIFY(older.open(QIODevice::WriteOnly));
        older.write("older\r\n");
        older.close();
        QList<QByteArray> logAtBox;
        fake.onMessage = [&](const FakeServices::Message&) { logAtBox << ReadAll(fake.LogPath()); };

        LogError(kErrModuleName, "txtBeV_Validate", kInvalidNumberMessage,
                 Failure(ErrorNumber::TypeMismatch));
        LogError(kErrModuleName, "GenChart", "", Failure(-7, "\u00e9t\u00e9"));

        const QByteArray first =
            "older\r\n" + Record("txtBeV_Validate", "Enter a valid number.", 13);
        const QByteArray both = first + Record("GenChart", "\u00e9t\u00e9", -7);
        QCOMPARE(logAtBox, QList<QByteArray>({first, both}));
        QCOMPARE(ReadAll(fake.LogPath()), both);
        QCOMPARE(QDir(fake.folder).entryList(QDir::Files), QStringList {"my calcERR.txt"});
        QCOMPARE(fake.MessageTexts(),
                 QStringList({" [frmVexmoor] Enter a valid number. {13}",
                              QString::fromUtf8(" [frmVexmoor] \u00e9t\u00e9 {-7}")}));
        for (const auto& box : fake.messages)
            QCOMPARE(box.title, QStringLiteral("System Support"));
    }

    // Where the record goes: beside the executable in a folder of the user's own, else in the
    // state folder (made when needed); written nowhere, the program still goes on.
    void logPlace_data()
    {
        QTest::addColumn<bool>("owned");
        QTest::addColumn<bool>("besideBlocked"); // the log's name there is taken by a folder
        QTest::addColumn<bool>("stateBlocked"); // the state folder lies under a plain file
        QTest::addColumn<QString>("place"); // "beside", "state" or "" for nowhere
        QTest::newRow("own folder") << true << false << false << "beside";
        QTest::newRow("own folder, log will not open") << true << true << false << "state";
        QTest::newRow("another user's folder") << false << false << false << "state";
        QTest::newRow("another's folder, no state folder") << false << false << true << "";
        QTest::newRow("nowhere at all") << true << true << true << "";
    }

    void logPlace()
    {
        QFETCH(bool, owned);
        QFETCH(bool, besideBlocked);
        QFETCH(bool, stateBlocked);
        QFETCH(QString, place);
        FakeServices fake;
        ScopedServices scoped(fake);
        fake.ownsFolder = owned;
        const QDir folder(fake.folder);
        if (besideBlocked)
            QVERIFY(folder.mkdir("vexmoorERR.txt"));
        if (stateBlocked) {
            QFile plain(folder.filePath("plain"));
            QVERIFY(plain.open(QIODevice::WriteOnly));
            fake.stateFolder = plain.fileName() + "/state";
        }
        const QString stateLog = fake.stateFolder + "/vexmoorERR.txt";

        LogError(kErrModuleName, "cmdCalBeV_Click", "", Failure(ErrorNumber::Overflow));
        LogError(kErrModuleName, "GenChart", "", Failure(ErrorNumber::DivisionByZero));

        QCOMPARE(
            fake.MessageTexts(),
            QStringList({" [frmVexmoor] Overflow {6}", " [frmVexmoor] Division by zero {11}"}));
        const QByteArray records =
            Record("cmdCalBeV_Click", "Overflow", 6) + Record("GenChart", "Division by zero", 11);
        QCOMPARE(ReadAll(fake.LogPath()), place == "beside" ? records : QByteArray());
        QCOMPARE(ReadAll(stateLog), place == "state" ? records : QByteArray());
        QCOMPARE(QFileInfo::exists(fake.stateFolder), place == "state");
    }

    void guardVariants_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(kGuardRows)); ++row)
            QTest::newRow(kGuardRows[row].name) << row;
    }

    void guardVariants()
    {
        QFETCH(int, row);
        const auto& r = kGuardRows[row];
        FakeServices fake;
        ScopedServices scoped(fake);
        CurrentErrorContext() = {"x", "y", "z"};
        const GuardOutcome outcome =
            Guarded("txtCalRpy_Validate", r.variant, [&r] { Throw(r.number); });
        QCOMPARE(outcome.completed, r.number == 0);
        QCOMPARE(outcome.cancel, r.cancel);
        QCOMPARE(outcome.errorNumber, r.number);
        if (r.number != 0) {
            // The context names this report; only an entry that is no number carries a user
            // message.
            QCOMPARE(CurrentErrorContext().ErrModuleName, std::string("frmVexmoor"));
            QCOMPARE(CurrentErrorContext().ErrProcName, std::string("txtCalRpy_Validate"));
            QCOMPARE(CurrentErrorContext().ErrUserMessage,
                     std::string(r.cancel && r.number == 13 ? kInvalidNumberMessage : ""));
        }
        const QString shown = QStringLiteral(" [frmVexmoor] %1 {%2}").arg(r.reported).arg(r.number);
        QCOMPARE(fake.MessageTexts(), r.reported ? QStringList {shown} : QStringList());
        QCOMPARE(ReadAll(fake.LogPath()),
                 r.reported ? Record("txtCalRpy_Validate", r.reported, r.number) : QByteArray());
    }
};

} // namespace vexmoor

QTEST_MAIN(vexmoor::LogErrorTest)
#include "log_error_test.moc"
