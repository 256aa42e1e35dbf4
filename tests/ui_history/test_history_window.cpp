// The feed-history window and saving it, through the main window's menu, check box and
// feed button, with the file dialog and message boxes faked and real files written.
#include <sys/resource.h>

#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QTreeView>
#include <QtTest>
#include <csignal>

#include "main_window_fixture.h"
#include "platform/qt_platform.h"
#include "platform/toolkit_translation.h"
#include "temp_dir.h"
#include "ui/main/history_box.h"
#include "ui/main/history_box_text.h"

using namespace toviran;
using testing::Q;
using testing::ReadBytes;
using testing::TempDir;
namespace fs = std::filesystem;

namespace {

// CP932 of the history after feeding 3 "モノメイト" to a new mag as an even-ID hunter,
// and the CR LF that the save adds.
const std::string kThreeMonomateFile =
    "\x83\x7d\x83\x4f\x82\xcc\x82\xa6\x82\xb3\x97\x9a\x97\xf0\x81\xf4\r\n"  // マグのえさ履歴♪
    "\r\n"
    "\x8b\xf4\x90\x94\x82\x67\x82\x74\x82\x6d\x82\x73\x82\x64\x82\x71\r\n"  // 偶数ＨＵＮＴＥＲ
    "[\x83\x41\x83\x43\x83\x65\x83\x80]\x83\x82\x83\x6d\x83\x81\x83\x43\x83\x67\r\n"
    "[\x81\x9f\x90\x94\x97\xca\x81\x9f] 3\r\n"                // [◆数量◆] 3
    "[\x83\x7d\x83\x4f\x8c\x60\x91\xd4]\x83\x7d\x83\x4f\r\n"  // [マグ形態]マグ
    "   \x81\xab\x81\xab  \r\n";                              //    ↓↓

struct Fixture : testing::MainWindowFixture {
    // The user picks `path` in the save dialog.
    void Save(const fs::path& path) {
        fakes.fileDialog.answers.push_back(path.string());
        c().menu.mnuSave->trigger();
    }
    QString BoxText() { return window.RirekiWindow()->txtRireki()->toPlainText(); }
};

// The texts of a list's column that its width cuts short: the header's and the cells'.
QStringList CutTexts(QAbstractItemView& view, int width, int column = 0) {
    QStringList cut;
    QStyleOptionViewItem option;
    option.initFrom(&view);
    const QModelIndex root = view.rootIndex();
    for (int row = 0; row < view.model()->rowCount(root); ++row) {
        const QModelIndex cell = view.model()->index(row, column, root);
        if (view.itemDelegateForIndex(cell)->sizeHint(option, cell).width() > width)
            cut << cell.data().toString();
    }
    return cut;
}
QStringList CutTexts(QTreeView& list, int column) {
    QHeaderView& header = *list.header();
    QStringList cut = CutTexts(list, header.sectionSize(column), column);
    if (header.sectionSizeHint(column) > header.sectionSize(column))
        cut << list.model()->headerData(column, Qt::Horizontal).toString();
    return cut;
}

// Makes every file write of this process fail past `bytes` bytes, while alive.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

  private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

}  // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT
    // The toolkit's file dialog keeps its column widths in the user's settings folder;
    // the tests start from none and leave none behind.
    TempDir settings;

  private slots:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(settings.path().string()));
    }

    void menuAndCheckBoxShowAndHideInStep() {
        Fixture f;
        QAction* menu = f.c().menu.mnuEsaRireki;
        QVERIFY(!f.window.ExistingRirekiWindow());
        menu->trigger();
        QVERIFY(menu->isChecked() && f.c().chkRireki->isChecked());
        QPointer<frmRireki> shown = f.window.ExistingRirekiWindow();
        QVERIFY(shown && shown->isVisible());
        QVERIFY(shown->windowFlags() & Qt::Tool);
        QCOMPARE(shown->parentWidget(), &f.window);
        const QRect main = f.window.frameGeometry();
        QCOMPARE(shown->frameGeometry().topLeft(), QPoint(main.left(), main.bottom() + 1));
        QCOMPARE(shown->windowTitle(), QString::fromUtf8("マグにえさをあげた記録なのですYO"));
        menu->trigger();
        QVERIFY(!menu->isChecked() && !f.c().chkRireki->isChecked());
        QVERIFY(!f.window.ExistingRirekiWindow());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!shown);  // hiding destroys the window
        // The hidden check box alone does the same, from code.
        f.c().chkRireki->setChecked(true);
        QVERIFY(menu->isChecked() && f.window.ExistingRirekiWindow()->isVisible());
        // The window's close box leaves menu and check box off; the menu opens it again.
        QVERIFY(f.window.ExistingRirekiWindow()->close());
        QVERIFY(!f.c().chkRireki->isChecked() && !menu->isChecked());
        QVERIFY(!f.window.ExistingRirekiWindow());
        menu->trigger();
        QVERIFY(f.window.ExistingRirekiWindow()->isVisible());
    }

    void boxFillsTheWindowLessTenTwips() {
        Fixture f;
        f.c().menu.mnuEsaRireki->trigger();
        frmRireki* w = f.window.ExistingRirekiWindow();
        w->resize(300, 40);
        QCOMPARE(w->txtRireki()->geometry(), QRect(0, 0, 300, 39));
        w->resize(300, 0);
        QCOMPARE(w->txtRireki()->height(), 0);  // never negative
    }

    void boxFollowsRunsUndoAndNewMag() {
        Fixture f;
        f.c().menu.mnuEsaRireki->trigger();
        f.Feed("3");
        const QString afterRun = f.BoxText();
        QVERIFY(afterRun.endsWith(QString::fromUtf8("[マグ形態]マグ\n   ↓↓  ")));
        QVERIFY(!afterRun.contains('\r'));
        f.Feed("10001");  // refused: no entry
        QCOMPARE(f.BoxText(), afterRun);
        QTest::mouseClick(f.c().cmdUndo, Qt::LeftButton);
        QCOMPARE(f.BoxText(), QString::fromUtf8("マグのえさ履歴♪\n"));
        f.Feed("2");
        f.c().menu.mnuNew->trigger();
        QCOMPARE(f.BoxText(), QString::fromUtf8("マグのえさ履歴♪\n"));
    }

    // The box is kept in step by changing only its end; what it shows is the same as if
    // it were refilled each time: the whole log, the user's edits gone, the cursor at the top.
    void boxShowsTheWholeLogAfterEveryChange() {
        Fixture f;
        QAction* menu = f.c().menu.mnuEsaRireki;
        menu->trigger();
        const auto log = [&f] { return BoxTextFromHistory(f.state.HistoryText); };
        const auto edit = [&f] {
            QPlainTextEdit* box = f.window.ExistingRirekiWindow()->txtRireki();
            box->moveCursor(QTextCursor::End);
            QTest::keyClicks(box, QStringLiteral("memo"));
        };
        f.Feed("3");
        edit();
        f.Feed("2");
        QCOMPARE(f.BoxText(), log());
        QPlainTextEdit* box = f.window.ExistingRirekiWindow()->txtRireki();
        QCOMPARE(box->textCursor().position(), 0);
        QVERIFY(!box->document()->isUndoAvailable());
        edit();
        menu->trigger();  // hidden with the edit in it
        f.Feed("4");
        menu->trigger();
        QCOMPARE(f.BoxText(), log());
        QTest::mouseClick(f.c().cmdUndo, Qt::LeftButton);
        QCOMPARE(f.BoxText(), log());

        // Logs that continue each other only inside a CR LF pair are not pieced together.
        QWidget keeper;
        HistoryBox followed(keeper);
        for (const char* history : {"a\r", "a\r\nb", "a\r", "", "マグ", "マグのえさ", "マ"}) {
            followed.Follow(history);
            HistoryBox fresh(keeper);
            fresh.Follow(history);
            QCOMPARE(followed.Text(), fresh.Text());
        }
    }

    void savedFileHoldsTheBoxInCp932() {
        TempDir dir;
        Fixture f;
        f.Feed("3");
        f.c().menu.mnuEsaRireki->trigger();
        f.c().menu.mnuEsaRireki->trigger();  // hiding destroys the window and its box
        const fs::path file = dir.path() / "rireki.txt";
        f.Save(file);  // a box created anew holds the whole history all the same
        QCOMPARE(ReadBytes(file), kThreeMonomateFile);
        QVERIFY(f.fakes.messages.shown.empty());
        QCOMPARE(dir.Entries(), std::size_t{1});  // no temporary file left over
        // An edit in the box is what the next save writes, until the next run.
        f.c().menu.mnuEsaRireki->trigger();
        QPlainTextEdit* box = f.window.ExistingRirekiWindow()->txtRireki();
        box->moveCursor(QTextCursor::End);
        box->insertPlainText(QString::fromUtf8("\nメモ☃"));  // ☃ has no CP932 code
        f.Save(file);                                        // after a question, answered with OK
        QCOMPARE(f.fakes.messages.shown.back().icon, MessageIcon::Question);
        QCOMPARE(ReadBytes(file), kThreeMonomateFile.substr(0, kThreeMonomateFile.size() - 2) +
                                      "\r\n\x83\x81\x83\x82?\r\n");
        f.Feed("1");
        f.Save(file);
        QVERIFY(ReadBytes(file).find("\x83\x81\x83\x82?") == std::string::npos);
    }

    void dialogOffersPresetThenLastName() {
        TempDir dir;
        Fixture f;
        auto& dialog = f.fakes.fileDialog;
        f.c().menu.mnuSave->trigger();  // cancelled
        QCOMPARE(dialog.requests.size(), std::size_t{1});
        QCOMPARE(dialog.requests[0].initialName, std::string("マグ育成履歴"));
        QCOMPARE(dialog.requests[0].filters, std::string("text file(*.txt);;All file(*.*)"));
        QCOMPARE(dir.Entries(), std::size_t{0});
        QVERIFY(f.fakes.messages.shown.empty());      // cancel is silent
        const fs::path file = dir.path() / "kiroku";  // no extension is added
        f.Save(file);
        f.c().menu.mnuSave->trigger();
        QCOMPARE(dialog.requests.back().initialName, file.string());
        QVERIFY(fs::exists(file));
        QCOMPARE(f.window.SaveFileName(), file.string());
    }

    // The real dialog: a name in a folder that does not exist is refused there and then,
    // one in an existing folder is taken as typed.
    void saveDialogWantsAnExistingFolder() {
        TempDir dir;
        QtFileDialog dialog;
        const auto type = [](const fs::path& path, std::function<void(QDialog*)> then = {}) {
            QTimer::singleShot(0, [path, then] {
                QDialog* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                if (then) QTimer::singleShot(0, [files, then] { then(files); });
                auto* name = files->findChild<QLineEdit*>("fileNameEdit");
                name->setText(QString::fromStdString(path.string()));
                QTest::keyClick(name, Qt::Key_Return);
            });
        };
        bool refused = false;
        type(dir.path() / "no-such-folder" / "x.txt", [&refused](QDialog* files) {
            auto* refusal = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            refused = refusal != nullptr && files->isVisible();
            if (refusal) refusal->accept();
            files->reject();
        });
        QVERIFY(!dialog.AskSavePath({"t", "マグ育成履歴", "text file(*.txt)"}));
        QVERIFY(refused);
        type(dir.path() / "kiroku");
        QCOMPARE(dialog.AskSavePath({"t", "マグ育成履歴", "text file(*.txt)"}),
                 (dir.path() / "kiroku").string());
    }

    // At the dialog's first size every header, size, type and date in the file list and
    // every place in the side list shows whole.
    void saveDialogShowsItsListsWhole() {
        QVERIFY(InstallToolkitTranslation(*QCoreApplication::instance()));  // Japanese headers
        TempDir dir;
        fs::create_directory(dir.path() / "フォルダ");
        std::ofstream(dir.path() / "rireki.txt") << std::string(233, 'a');
        QStringList cut{"not looked at"};
        QTimer::singleShot(0, [&cut] {
            auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* list = files->findChild<QTreeView*>("treeView");
            auto* sidebar = files->findChild<QListView*>("sidebar");
            if (QTest::qWaitFor(
                    [list] { return list->model()->rowCount(list->rootIndex()) == 2; })) {
                cut = CutTexts(*sidebar, sidebar->viewport()->width());
                for (int column = 0; column < 4; ++column) cut += CutTexts(*list, column);
            }
            files->reject();
        });
        QtFileDialog().AskSavePath(
            {"t", (dir.path() / "マグ育成履歴").string(), "text file(*.txt)"});
        QCOMPARE(cut.join(" | "), QString());
    }

    void failedSaveSaysSoAndKeepsTheEarlierFile() {
        TempDir dir;
        Fixture f;
        const fs::path file = dir.path() / "rireki.txt";
        f.Save(file);
        const std::string earlier = ReadBytes(file);
        f.Feed("3");
        {
            FileSizeLimit limit(8);  // the disk "fills up" halfway through the new text
            f.Save(file);
        }
        QCOMPARE(ReadBytes(file), earlier);
        QCOMPARE(dir.Entries(), std::size_t{1});
        QCOMPARE(f.fakes.messages.shown.size(), std::size_t{1});
        const Message& m = f.fakes.messages.shown[0];
        QCOMPARE(m.title, std::string("保存できませんでした"));
        QCOMPARE(m.icon, MessageIcon::Exclamation);
        QVERIFY(m.text.find(file.string()) != std::string::npos);
    }
};

QTEST_MAIN(HistoryWindowTest)
#include "test_history_window.moc"
