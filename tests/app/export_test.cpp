// Taking numbers away through the real window and clipboard: the calculator display's copy and
// paste, the lists' selections as tab-separated rows, CSV files against golden copies, the graph
// as PNG and SVG, the table window, and the reports as PDF files read back by poppler-utils.
#include "breakeven/ui/breakeven_chart.h"
#include "breakeven/ui/breakeven_page.h"
#include "calculator/ui/calculator_page.h"
#include "platform/export/list_table.h"
#include "platform/export/table_window.h"
#include "platform/services/print_preview.h"
#include "support/window_fixture.h"

#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QLibrary>
#include <QLineSeries>
#include <QMenu>
#include <QPagedPaintDevice>
#include <QTableView>
#include <QTimer>

using namespace vexmoor::test;

namespace vexmoor {

namespace {

QString Clipboard()
{
    return QGuiApplication::clipboard()->text();
}

// 1,200 at 1 % a month over 12 months, flat rate: 112.00 a month; the schedule shown.
void CalculateLoan(WindowFixture& f, const QString& term = QStringLiteral("12"))
{
    f.EnterRepayment("1200", "Flat", "1", "Month", term);
    f.Tab("tabOptions2", 3);
}

// The output of a poppler-utils program on a file.
QString Poppler(const char* program, const QStringList& arguments)
{
    QProcess process;
    process.start(QString::fromLatin1(program), arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("(%1 failed: %2)").arg(program, process.errorString());
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A list line's cells as a pattern of one line of `pdftotext -layout`.
QRegularExpression CellsPattern(const QStringList& cells)
{
    QStringList parts;
    for (const QString& cell : cells) {
        if (!cell.isEmpty())
            parts.append(QRegularExpression::escape(cell));
    }
    return QRegularExpression(QStringLiteral("(^|  )") + parts.join(QStringLiteral(" +")) +
                                  QStringLiteral("( |$)"),
                              QRegularExpression::MultilineOption);
}

// Clicks Cancel on the report's progress as soon as it shows.
struct CancelProgress : QTimer
{
    CancelProgress()
    {
        connect(this, &QTimer::timeout, this, [] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (widget->objectName() == "reportProgress" && widget->isVisible())
                    QTest::mouseClick(widget->findChild<QPushButton*>(), Qt::LeftButton);
            }
        });
        start(10);
    }
};

// Opens the control's context menu with `key` (a right click when Qt::Key_unknown) and picks
// the entry by its access key.
void PickFromMenu(QWidget* control, const char* menuName, Qt::Key key, char entry,
                  Qt::KeyboardModifiers modifiers = {})
{
    if (key == Qt::Key_unknown) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, control->rect().center(),
                                control->mapToGlobal(control->rect().center()));
        QApplication::sendEvent(control, &event);
    } else {
        QTest::keyClick(control, key, modifiers);
    }
    auto* menu = control->window()->findChild<QMenu*>(QLatin1String(menuName));
    QVERIFY(menu != nullptr);
    QTRY_VERIFY(menu->isVisible());
    QTest::keyClick(menu, entry);
    QTRY_VERIFY(!menu->isVisible());
}

// The only message is a warning under `title` that names `path`.
bool WarnedOnce(const WindowFixture& f, const char* title, const QString& path)
{
    const auto& shown = f.services.messages;
    return shown.size() == 1 && shown.front().warning && shown.front().title == title &&
        shown.front().text.contains(path);
}

// The number of colours on a grid of every third pixel: 1 for a blank picture.
int Colours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

} // namespace

class ExportTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Typed keys, then Ctrl+C: the clipboard holds the number; the calculator is untouched. Off
    // the Calculator page the keys belong to the focused control.
    void calculatorCopy_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("copied");
        // clang-format off
        QTest::newRow("whole")                     << "en_US" << "12+3="      << "15";
        QTest::newRow("error keeps the clipboard") << "en_US" << "8/0="       << "(before)";
        QTest::newRow("de_DE comma")               << "de_DE" << "1/8="       << "0,125";
        // clang-format on
    }
    void calculatorCopy()
    {
        QFETCH(QString, region);
        QFETCH(QString, typed);
        QFETCH(QString, copied);
        const ScopedRegion scoped(region);
        WindowFixture f;
        QGuiApplication::clipboard()->setText(QStringLiteral("(before)"));
        QTest::keyClicks(f.window.get(), typed);
        const CalculatorState state = f.window->Calculator().State();
        const QString display = f.Display();
        QTest::keyClick(f.window.get(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(Clipboard(), copied);
        QGuiApplication::clipboard()->setText(QStringLiteral("(before)"));
        QTest::keyClick(f.window.get(), Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(Clipboard(), copied);
        QVERIFY(f.window->Calculator().State() == state);
        QCOMPARE(f.Display(), display);
        f.Tab("tabOptions", 2);
        TypeInto(f.Field("txtBeV", 1), "42");
        QTest::keyClick(f.Field("txtBeV", 1), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(f.Field("txtBeV", 1), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(Clipboard(), QStringLiteral("42"));
        QCOMPARE(f.Display(), display);
    }

    // A clipboard text pasted by each key and by the menu, after "5+".
    void calculatorPaste_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("display"); // after the paste and "="
        QTest::addColumn<int>("beeps");
        // clang-format off
        QTest::newRow("number")       << "en_US" << "1,234.5\n" << "1239.5"  << 0;
        QTest::newRow("not a number") << "en_US" << "twelve"    << "10."     << 1;
        QTest::newRow("de_DE number") << "de_DE" << "-1.234,5"  << "-1229.5" << 0;
        // clang-format on
    }
    void calculatorPaste()
    {
        QFETCH(QString, region);
        QFETCH(QString, clipboard);
        QFETCH(QString, display);
        QFETCH(int, beeps);
        const std::function<void(QWidget*)> pastes[] = {
            [](QWidget* w) { QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier); },
            [](QWidget* w) { QTest::keyClick(w, Qt::Key_Insert, Qt::ShiftModifier); },
            [](QWidget*) {},
        };
        for (std::size_t i = 0; i < std::size(pastes); ++i) {
            const ScopedRegion scoped(region);
            WindowFixture f;
            QGuiApplication::clipboard()->setText(clipboard);
            QTest::keyClicks(f.window.get(), "5+");
            if (i + 1 < std::size(pastes))
                pastes[i](f.window.get());
            else
                PickFromMenu(f.Find("lblDisplay"), "lblDisplayMenu", Qt::Key_unknown, 'p');
            QTest::keyClick(f.window.get(), Qt::Key_Equal);
            QCOMPARE(f.Display(), display);
            QCOMPARE(f.services.beeps, beeps);
        }
    }

    // Lines chosen by click and Shift+click, Ctrl+A, and the menu's Copy All; then Save as CSV…
    // by Shift+F10: the suggested name, the file against its golden copy, a missing folder.
    void analysisCopiedAndSaved_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("secondAndThird");
        QTest::addColumn<QString>("golden");
        QTest::newRow("en_US") << "en_US"
                               << "2\t1,012.00\t20.00\t-992.00\n3\t1,018.00\t30.00\t-988.00\n"
                               << "break_even_analysis.csv";
        QTest::newRow("de_DE") << "de_DE"
                               << "2\t1.012,00\t20,00\t-992,00\n3\t1.018,00\t30,00\t-988,00\n"
                               << "break_even_analysis_de_de.csv";
    }
    void analysisCopiedAndSaved()
    {
        QFETCH(QString, region);
        QFETCH(QString, secondAndThird);
        QFETCH(QString, golden);
        const ScopedRegion scoped(region);
        WindowFixture f;
        f.EnterBreakEven({"3", "10", "6", "1000"});
        f.Tab("tabOptions1", 2);
        QListView* view = f.ListBox("lstBev")->View();
        view->scrollToTop();
        QCoreApplication::processEvents();
        const auto line = [&](int row) {
            return view->visualRect(view->model()->index(row, 0)).center();
        };
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, line(2));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, line(3));
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(Clipboard(), secondAndThird);
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_Insert, Qt::ControlModifier);
        const QString all = Clipboard();
        QVERIFY(all.startsWith("Units\tTotal Costs\tTotal Sales\tProfit\n1\t"));
        QVERIFY(all.endsWith(secondAndThird));
        QCOMPARE(all.count('\n'), 4);
        // Copy All by the Menu key, with one line selected.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, line(1));
        QGuiApplication::clipboard()->clear();
        PickFromMenu(view, "lstBevMenu", Qt::Key_Menu, 'a');
        QCOMPARE(Clipboard(), all);
        QVERIFY2(f.services.messages.empty(), qPrintable(f.services.MessageTexts().join('|')));

        const QString path = f.logFolder.filePath("analysis.csv");
        const QString unwritable = f.logFolder.filePath("no-such-folder/analysis.csv");
        f.services.savePaths = QStringList {path, unwritable, QString()};
        for (int i = 0; i < 3; ++i)
            PickFromMenu(view, "lstBevMenu", Qt::Key_F10, 's', Qt::ShiftModifier);

        QCOMPARE(f.services.saveDialogs.size(), std::size_t {3});
        QVERIFY(f.services.saveDialogs.front().suggestedPath.endsWith("/break-even-analysis.csv"));
        QCOMPARE(ReadAll(path), ReadAll(QStringLiteral(VEXMOOR_TEST_DATA "/") + golden));
        QVERIFY(WarnedOnce(f, "Save as CSV", unwritable));
        QVERIFY(!QFile::exists(unwritable));
    }

    // The graph by its context menu: on the clipboard and in PNG and SVG files, at the control's
    // size times the device pixel ratio, and not one flat colour.
    void graphCopiedAndSaved()
    {
        WindowFixture f;
        f.EnterBreakEven({"3", "10", "6", "20"});
        f.Tab("tabOptions1", 3);
        QWidget* graph = f.Find("chtBeVAny");
        const QSize expected = graph->size() * graph->devicePixelRatioF();
        // A right click on a data point opens the menu (here: Copy); only a left click shows the
        // value.
        QChartView* view = f.window->BreakEven().Chart().View();
        const QPointF point =
            view->chart()->mapToPosition(QPointF(2, 20), f.window->BreakEven().Chart().Series(2));
        const QPoint inWindow = view->viewport()->mapTo(
            f.window.get(), view->mapFromScene(view->chart()->mapToScene(point)));
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(f.window->windowHandle(), Qt::RightButton, {}, inWindow);
        auto* menu = f.window->findChild<QMenu*>(QStringLiteral("chtBeVAnyMenu"));
        QTRY_VERIFY(menu != nullptr && menu->isVisible());
        QTest::keyClick(menu, 'c');
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(QGuiApplication::clipboard()->image().size(), expected);
        QVERIFY(f.services.messages.empty());
        QTest::mouseClick(f.window->windowHandle(), Qt::LeftButton, {}, inWindow);
        QCOMPARE(f.services.MessageTexts(), QStringList {"Value of DataPoint = 20"});
        f.services.messages.clear();
        const QString png = f.logFolder.filePath("graph.png");
        const QString svg = f.logFolder.filePath("graph.SVG");
        f.services.savePaths = QStringList {png, svg};
        PickFromMenu(graph, "chtBeVAnyMenu", Qt::Key_unknown, 's');
        PickFromMenu(graph, "chtBeVAnyMenu", Qt::Key_unknown, 's');
        QCOMPARE(f.services.saveDialogs.size(), std::size_t {2});
        QVERIFY(f.services.messages.empty());

        const QImage image(png, "png");
        QCOMPARE(image.size(), expected * 2);
        QVERIFY2(Colours(image) > 4, "the picture is blank");
        const QByteArray text = ReadAll(svg);
        const QString viewBox = QStringLiteral("viewBox=\"0 0 %1 %2\"");
        QVERIFY2(text.contains("<polyline") && text.contains("<title>Break-Even Graph</title>") &&
                     text.contains(viewBox.arg(graph->width()).arg(graph->height()).toLatin1()),
                 text.left(200).constData());
        QVERIFY2(Colours(QImage(svg, "svg")) > 4, "the SVG picture is blank");
    }

    // The schedule's lines copied, its totals' figures under their headers; Save as CSV… suggests
    // its own name. Show as Table by its key, twice around a new calculation: each window keeps
    // the figures it opened with, in the region's writing, right-aligned, the totals under the
    // rows.
    void scheduleAsTable_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QStringList>("first"); // the first row, then the totals
        QTest::newRow("en_US") << "en_US"
                               << QStringList {"1", "1,344.00", "112.00",   "100.00",   "12.00",
                                               "",  "Totals :", "1,344.00", "1,200.00", "144.00"};
        QTest::newRow("de_DE") << "de_DE"
                               << QStringList {"1", "1.344,00", "112,00",   "100,00",   "12,00",
                                               "",  "Totals :", "1.344,00", "1.200,00", "144,00"};
    }
    void scheduleAsTable()
    {
        QFETCH(QString, region);
        QFETCH(QStringList, first);
        const ScopedRegion scoped(region);
        WindowFixture f;
        CalculateLoan(f);
        QListView* list = f.ListBox("lstLsd")->View();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(1, 0)).center());
        QTest::keyClick(list, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        const QStringList rows = Clipboard().split('\n');
        QCOMPARE(rows.size(), 14);
        QCOMPARE(rows.front(), first.mid(0, 5).join('\t'));
        QCOMPARE(rows.at(12), first.mid(5).join('\t'));
        f.services.savePaths = QStringList {QString()}; // the user cancels
        PickFromMenu(list, "lstLsdMenu", Qt::Key_Menu, 's');
        QCOMPARE(f.services.saveDialogs.size(), std::size_t {1});
        QVERIFY(f.services.saveDialogs.front().suggestedPath.endsWith("/loan-schedule.csv"));
        QTest::keyClick(list, Qt::Key_T, Qt::ControlModifier);
        CalculateLoan(f, QStringLiteral("6"));
        QTest::keyClick(list, Qt::Key_T, Qt::ControlModifier);
        const auto windows = f.window->findChildren<platform::TableWindow*>();
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows[0]->Table()->model()->rowCount(), 12);
        QCOMPARE(windows[1]->Table()->model()->rowCount(), 6);

        platform::TableWindow* table = windows[0];
        QVERIFY(QTest::qWaitForWindowExposed(table));
        QCOMPARE(table->windowTitle(), "Loan schedule as of " + f.services.dateTimeText);
        QTableView* view = table->Table();
        const QAbstractItemModel* model = view->model();
        const QAbstractItemModel* totals = table->Totals()->model();
        QStringList cells;
        for (int column = 0; column < 5; ++column) {
            cells << model->index(0, column).data().toString();
            // Every column whole in the window, its figures right-aligned.
            QVERIFY(view->columnViewportPosition(column) + view->columnWidth(column) <=
                    view->viewport()->width());
            QCOMPARE(model->index(0, column).data(Qt::TextAlignmentRole).toInt() &
                         Qt::AlignHorizontal_Mask,
                     int(Qt::AlignRight));
        }
        for (int column = 0; column < 5; ++column)
            cells << totals->index(0, column).data().toString();
        QCOMPARE(cells, first);
        QVERIFY(table->Totals()->isVisible());
        QVERIFY(table->Totals()->geometry().top() >= view->geometry().bottom());

        // Rows 2 and 3 copied, then all of them, with the header, by the menu.
        const auto row = [&](int r) { return view->visualRect(model->index(r, 1)).center(); };
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row(1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, row(2));
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(Clipboard().count('\n'), 2);
        QVERIFY(Clipboard().startsWith("2\t" + first[1].replace("344", "232")));
        PickFromMenu(view, "lstLsdTableMenu", Qt::Key_Menu, 'a');
        const QStringList all = Clipboard().split('\n');
        QCOMPARE(all.size(), 15);
        QCOMPARE(all.front(), QStringLiteral("#\tBalance\tInstalment\tPrincipal\tInterest"));
        QCOMPARE(all.at(13), first.mid(5).join('\t'));
        QVERIFY2(f.services.messages.empty(), qPrintable(f.services.MessageTexts().join('|')));
    }

    // The reports as PDF files, by each way to them: Save as PDF… from the schedule's menu,
    // Print… from the graph's menu and by the table window's key, read back as text.
    void reportAsPdf_data()
    {
        QTest::addColumn<QString>("region");
        QTest::addColumn<bool>("loan");
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("paper");
        QTest::addColumn<QStringList>("inputs"); // label, value, ...
        // clang-format off
        const QStringList loan {"Principal Amount", "1,200.00", "Loan Type", "Flat Rate",
                                "Interest Rate (%)", "1.0000", "Interest Rate [Per]", "Month",
                                "Term (Months)", "12", "Repayment Mode", "Monthly [12]",
                                "Repayment Amount", "112.00"};
        const QStringList principal {"Repayment Amount", "224.00", "Principal Amount", "2,400.00"};
        const QStringList breakEven {"Sales [1]", "100", "Unit Price [2]", "10,00",
                                     "Variable Costs [3]", "6,00", "Fixed Costs [4]", "1.000,00",
                                     "Total Profit [8=7-6]", "-600,00",
                                     "Break Even Units [4/9]", "250"};
        QTest::newRow("schedule, list menu")  << "en_US" << true  << "list"  << 1 << "letter" << loan;
        QTest::newRow("analysis, graph menu") << "de_DE" << false << "graph" << 3 << "A4" << breakEven;
        QTest::newRow("schedule, table key")  << "en_GB" << true  << "table" << 1 << "A4" << principal;
        // clang-format on
    }
    void reportAsPdf()
    {
        QFETCH(QString, region);
        QFETCH(bool, loan);
        QFETCH(QString, way);
        QFETCH(int, pages);
        QFETCH(QString, paper);
        QFETCH(QStringList, inputs);
        const ScopedRegion scoped(region);
        WindowFixture f;
        const QString pdf = f.logFolder.filePath("report.pdf");
        f.services.savePaths = QStringList {pdf};
        f.services.printPath = pdf;
        if (loan)
            CalculateLoan(f);
        if (way == "table") { // the schedule from the Principal page: 224.00 a month, 2,400.00
            f.Tab("tabOptions2", 2);
            Enter(f.Field("txtCalPrn", 0), "224");
            ChooseByTyping(f.Find<QComboBox>("cboIntRat_3"), "Flat");
            Enter(f.Field("txtCalPrn", 3), "1");
            ChooseByTyping(f.Find<QComboBox>("cboIntRat_1"), "Month");
            Enter(f.Field("txtCalPrn", 2), "12");
            f.Tab("tabOptions2", 3);
        } else {
            f.EnterBreakEven({"100", "10", "6", "1000"});
        }
        platform::ListBox* list = loan ? f.ListBox("lstLsd") : f.ListBox("lstBev");
        if (way == "list") {
            PickFromMenu(list->View(), "lstLsdMenu", Qt::Key_Menu, 'd');
        } else if (way == "graph") {
            f.Tab("tabOptions1", 3);
            PickFromMenu(f.Find("chtBeVAny"), "chtBeVAnyMenu", Qt::Key_unknown, 'p');
        } else {
            QTest::keyClick(list->View(), Qt::Key_T, Qt::ControlModifier);
            auto* table = f.window->findChild<platform::TableWindow*>();
            QTest::keyClick(table->Table(), Qt::Key_P, Qt::ControlModifier);
            QCOMPARE(f.services.printDialogs, 1);
        }
        QVERIFY2(f.services.messages.empty(), qPrintable(f.services.MessageTexts().join('|')));

        const QString info = Poppler("pdfinfo", {pdf});
        QVERIFY2(info.contains(QRegularExpression("Pages: +" + QString::number(pages) + "\n")),
                 qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression("Page size: .*\\(" + paper + "\\)")),
                 qPrintable(info));
        // The graph is drawn, not a picture.
        QCOMPARE(Poppler("pdfimages", {"-list", pdf}).count('\n'), 2);
        const QString text = Poppler("pdftotext", {"-layout", pdf, "-"});
        const QString title = loan ? "Loan schedule" : "Break-even analysis";
        QVERIFY2(text.contains(title + " as of " + f.services.dateTimeText), qPrintable(text));
        for (int i = 0; i < inputs.size(); i += 2)
            QVERIFY2(text.contains(CellsPattern(inputs.mid(i, 2))), qPrintable(inputs[i]));
        const platform::ListTable table(list->Lines());
        QCOMPARE(text.count(CellsPattern(table.Header())), pages);
        for (int row = 0; row < table.Rows(); ++row)
            QVERIFY2(text.contains(CellsPattern(table.Row(row))),
                     qPrintable(table.Row(row).join('|')));
        for (int page = 1; page <= pages; ++page)
            QVERIFY(text.contains(QStringLiteral("Page %1 of %2").arg(page).arg(pages)));
    }

    // The print module that Print… loads: its preview paints the job on pages of the job's paper.
    void printModulePreviewsTheJob()
    {
        QLibrary module(QStringLiteral(VEXMOOR_PRINT_MODULE));
        const auto print = reinterpret_cast<platform::PrintWithPreviewFunction>(
            module.resolve(platform::kPrintWithPreview));
        QVERIFY2(print, qPrintable(module.errorString()));
        const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                             QMarginsF(20, 20, 20, 20));
        QPageLayout painted;
        const auto close = [] {
            if (QWidget* dialog = QApplication::activeModalWidget())
                dialog->close();
        };
        QTimer::singleShot(10000, qApp, close); // should the preview never paint
        QVERIFY(!print(nullptr, {a4, "report", "Vexmoor", [&](QPagedPaintDevice& device) {
                                     painted = device.pageLayout();
                                     QTimer::singleShot(0, qApp, close);
                                     return true;
                                 }}));
        QCOMPARE(painted.pageSize().id(), QPageSize::A4);
        QCOMPARE(painted.margins(), a4.margins());
    }

    // A PDF that cannot be written warns and writes nothing; a cancelled one leaves the file
    // it was to replace as it was, and no other.
    void reportPdfNotWritten()
    {
        WindowFixture f;
        f.EnterBreakEven({"32767", "10", "6", "1000"});
        f.Tab("tabOptions1", 2);
        const QString kept = f.logFolder.filePath("kept.pdf");
        QFile file(kept);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("before") == 6);
        file.close();
        const QString unwritable = kept + "/report.pdf"; // under a file, even for root
        f.services.savePaths = QStringList {unwritable, kept};
        PickFromMenu(f.ListBox("lstBev")->View(), "lstBevMenu", Qt::Key_Menu, 'd');
        QVERIFY(WarnedOnce(f, "Save as PDF", unwritable));

        const CancelProgress cancel;
        PickFromMenu(f.ListBox("lstBev")->View(), "lstBevMenu", Qt::Key_Menu, 'd');
        QCOMPARE(f.services.messages.size(), std::size_t {1});
        QCOMPARE(ReadAll(kept), QByteArray("before"));
        QCOMPARE(QDir(f.logFolder.path()).entryList(QDir::Files), QStringList {"kept.pdf"});
    }
};

} // namespace vexmoor

QTEST_MAIN(vexmoor::ExportTest)
#include "export_test.moc"
