#include "ui/main/main_menu.h"

#include <array>

namespace toviran {
namespace {

enum class Kind { Menu, Entry, CheckEntry, Separator, Submenu };

struct MenuDesign {
    Kind kind;
    const char* name;
    const char* caption;
    const char* shortcut = nullptr;
    QMenu* MainMenu::*menu = nullptr;
    QAction* MainMenu::*action = nullptr;
};

using M = MainMenu;

// The bar top to bottom; entries belong to the last Menu or Submenu above them.
const std::array<MenuDesign, 20> kMenuDesign{{
    {Kind::Menu, "mnuFile", "ファイル(&F)", nullptr, &M::mnuFile},
    {Kind::Entry, "mnuNew", "新規作成(&N)", "Ctrl+N", nullptr, &M::mnuNew},
    {Kind::Entry, "mnuSave", "名前を付けてえさ履歴の保存(&S)", nullptr, nullptr, &M::mnuSave},
    {Kind::Separator, "mnuSep", "", nullptr, nullptr, &M::mnuSep},
    {Kind::Entry, "mnuVer2", "Ver2マグをVer1マグにコンバート", nullptr, nullptr, &M::mnuVer2},
    {Kind::Separator, "mnuSep1", "", nullptr, nullptr, &M::mnuSep1},
    {Kind::Entry, "mnuExit", "Exit(&X)", nullptr, nullptr, &M::mnuExit},
    {Kind::Menu, "mnuView", "表示(&V)", nullptr, &M::mnuView},
    {Kind::Entry, "mnuFormat", "パラメータ設定(&P)", "Ctrl+F", nullptr, &M::mnuFormat},
    {Kind::Separator, "mnuSep4", "", nullptr, nullptr, &M::mnuSep4},
    {Kind::CheckEntry, "mnuEsaRireki", "えさ履歴(&E)", "Ctrl+E", nullptr, &M::mnuEsaRireki},
    {Kind::CheckEntry, "mnuMag", "マグデータ(&M)", "Ctrl+M", nullptr, &M::mnuMag},
    {Kind::CheckEntry, "mnuTimer", "マグえさタイマー(&T)", "Ctrl+T", nullptr, &M::mnuTimer},
    {Kind::Separator, "mnuSep5", "", nullptr, nullptr, &M::mnuSep5},
    {Kind::CheckEntry, "mnuPlanner", "えさプランナー(&L)", "Ctrl+P", nullptr, &M::mnuPlanner},
    {Kind::Menu, "mnuHelp", "ヘルプ(&H)", nullptr, &M::mnuHelp},
    {Kind::Entry, "mnuVersion", "バージョン情報(&A)...", nullptr, nullptr, &M::mnuVersion},
    {Kind::Submenu, "mnuHome", "ウェブサイトを開く[IE]", nullptr, &M::mnuHome},
    // The link captions name the sites; the links' own code may set them anew.
    {Kind::Entry, "mnuLink1", "TOVIRANのページ", nullptr, nullptr, &M::mnuLink1},
    {Kind::Entry, "mnuLink2", "マグ育成のページ", nullptr, nullptr, &M::mnuLink2},
}};

}  // namespace

MainMenu BuildMainMenu(QMenuBar& bar) {
    MainMenu result;
    QMenu* top = nullptr;
    QMenu* current = nullptr;
    for (const MenuDesign& d : kMenuDesign) {
        const QString caption = QString::fromUtf8(d.caption);
        QAction* action = nullptr;
        switch (d.kind) {
            case Kind::Menu:
                top = current = bar.addMenu(caption);
                current->setObjectName(QString::fromUtf8(d.name));
                current->menuAction()->setObjectName(QString::fromUtf8(d.name));
                result.*d.menu = current;
                continue;
            case Kind::Submenu:
                current = top->addMenu(caption);
                current->setObjectName(QString::fromUtf8(d.name));
                result.*d.menu = current;
                continue;
            case Kind::Separator:
                action = current->addSeparator();
                break;
            case Kind::Entry:
            case Kind::CheckEntry:
                action = current->addAction(caption);
                action->setCheckable(d.kind == Kind::CheckEntry);
                if (d.shortcut) action->setShortcut(QKeySequence(QString::fromUtf8(d.shortcut)));
                break;
        }
        action->setObjectName(QString::fromUtf8(d.name));
        result.*d.action = action;
    }
    return result;
}

}  // namespace toviran
