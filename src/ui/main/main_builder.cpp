#include "ui/main/main_builder.h"

#include <QButtonGroup>
#include <QMenuBar>
#include <algorithm>

#include "engine/feed_tables.h"
#include "engine/rare_evolution.h"
#include "ui/fonts.h"
#include "ui/main/main_design.h"
#include "ui/safe_paste.h"
#include "ui/twips.h"
#include "ui/whole_names_combo.h"

namespace toviran {
namespace {

QString Text(const char* utf8) {
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

QRect Pixels(const TwipsBox& b) {
    return TwipsRect(b.left, b.top, b.width, b.height);
}

QFont FontOf(const FontDesign& f) {
    QFont font = DesignFont(Text(f.family), f.points);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    return font;
}

void SetBackground(QWidget& w, Rgb colour) {
    QPalette p = w.palette();
    p.setColor(QPalette::Base, ToQColor(colour));
    p.setColor(QPalette::Button, ToQColor(colour));
    w.setPalette(p);
}

// Name, place, tooltip: what every control of the design has.
template <typename W>
W* Place(W* w, const char* name, const QRect& pixels, const char* tooltip) {
    w->setObjectName(Text(name));
    w->setGeometry(pixels);
    if (tooltip) w->setToolTip(Text(tooltip));
    return w;
}

class Builder {
  public:
    explicit Builder(QMainWindow& window) : window_(window) {}

    MainControls Build() {
        c_.client = new QWidget(&window_);
        c_.client->setObjectName(QStringLiteral("frmMain"));
        c_.client->setFixedSize(Pixels(kClientTwips).size());
        c_.client->setAutoFillBackground(true);
        window_.setCentralWidget(c_.client);
        BuildFrames();
        BuildLabels();  // Label2 first: it must lie behind the feed slots
        WidenToFit(*c_.Label1);
        BuildOptions();
        GroupOptions();
        BuildStatRows();
        BuildSlots();
        BuildButtons();
        BuildAwake();
        BuildHiddenChecks();
        c_.menu = BuildMainMenu(*window_.menuBar());
        return c_;
    }

  private:
    // "/100" and "%" are a little wider in the stand-in font than their design boxes;
    // let them show whole.
    static void WidenToFit(QLabel& label) {
        label.resize(std::max(label.width(), label.sizeHint().width()), label.height());
    }

    QWidget* ContainerWidget(Container c) const {
        switch (c) {
            case Container::Frame1:
                return c_.Frame1;
            case Container::Frame2:
                return c_.Frame2;
            case Container::Frame3:
                return c_.Frame3;
            case Container::Window:
                break;
        }
        return c_.client;
    }

    void BuildFrames() {
        for (const FrameDesign& d : FrameDesigns()) {
            auto* frame =
                Place(new QGroupBox(Text(d.caption), c_.client), d.name, Pixels(d.box), d.tooltip);
            QPalette p = frame->palette();
            p.setColor(QPalette::WindowText, ToQColor(kCaptionColour));
            frame->setPalette(p);
            const std::string_view name = d.name;
            (name == "Frame1" ? c_.Frame1 : name == "Frame2" ? c_.Frame2 : c_.Frame3) = frame;
        }
    }

    void BuildLabels() {
        for (const LabelDesign& d : LabelDesigns()) {
            QWidget* parent = ContainerWidget(d.container);
            const std::string_view name = d.name;
            QLabel* label = name == "lblMag" ? new ClickLabel(Text(d.text), parent)
                                             : new QLabel(Text(d.text), parent);
            Place(label, d.name, Pixels(d.box), d.tooltip);
            SetTextColour(*label, d.colour);
            const Qt::Alignment h = d.align == TextAlign::Right    ? Qt::AlignRight
                                    : d.align == TextAlign::Centre ? Qt::AlignHCenter
                                                                   : Qt::AlignLeft;
            label->setAlignment(h | Qt::AlignTop);
            if (d.font) label->setFont(FontOf(*d.font));
            label->setVisible(d.visible);
            Assign(name, label);
        }
        c_.lblMag->adjustSize();  // the name label sizes itself to its text
        // The timer shows on the window's dark blue rather than through it, and its widest
        // number whole.
        c_.lblTimer->setAutoFillBackground(true);
        c_.lblTimer->setFont(FitToWidth(c_.lblTimer->font(), QStringLiteral("200"),
                                        c_.lblTimer->contentsRect().width()));
    }

    void Assign(std::string_view name, QLabel* label) {
        struct Slot {
            const char* name;
            QLabel* MainControls::*member;
        };
        static constexpr Slot kNamed[] = {
            {"Label2", &MainControls::Label2},
            {"lblLevel", &MainControls::lblLevel},
            {"lblLv", &MainControls::lblLv},
            {"lblIQ2", &MainControls::lblIQ2},
            {"lblIQ", &MainControls::lblIQ},
            {"lblシン", &MainControls::lblシン},
            {"lblシンクロ", &MainControls::lblシンクロ},
            {"Label1", &MainControls::Label1},
            {"lblTitle", &MainControls::lblTitle},
            {"lblTitle2", &MainControls::lblTitle2},
            {"lblTitle3", &MainControls::lblTitle3},
            {"lblTimer", &MainControls::lblTimer},
        };
        if (name == "lblMag") {
            c_.lblMag = static_cast<ClickLabel*>(label);
            return;
        }
        for (const Slot& s : kNamed) {
            if (name == s.name) c_.*s.member = label;
        }
    }

    void BuildOptions() {
        for (const OptionDesign& d : OptionDesigns()) {
            auto* option = Place(new QRadioButton(Text(d.caption), ContainerWidget(d.container)),
                                 d.name, Pixels(d.box), d.tooltip);
            SetTextColour(*option, d.colour);
            option->setChecked(d.selected);
            struct Named {
                const char* name;
                QRadioButton* MainControls::*member;
            };
            static constexpr Named kNamed[] = {
                {"optHun", &MainControls::optHun}, {"optRan", &MainControls::optRan},
                {"optFor", &MainControls::optFor}, {"optID0", &MainControls::optID0},
                {"optID1", &MainControls::optID1}, {"optKazu", &MainControls::optKazu},
                {"optLv", &MainControls::optLv},
            };
            for (const Named& n : kNamed) {
                if (std::string_view(d.name) == n.name) c_.*n.member = option;
            }
        }
    }

    // Each option set is its own group: Qt's automatic grouping would also reach into the
    // frames and let the mode options switch off the class and ID options.
    void GroupOptions() {
        const std::array<std::array<QRadioButton*, 3>, 3> sets{{
            {c_.optHun, c_.optRan, c_.optFor},
            {c_.optID0, c_.optID1, nullptr},
            {c_.optKazu, c_.optLv, nullptr},
        }};
        for (const auto& set : sets) {
            auto* group = new QButtonGroup(c_.client);
            for (QRadioButton* option : set) {
                if (option) group->addButton(option);
            }
        }
    }

    void BuildStatRows() {
        for (const StatRowDesign& d : StatRowDesigns()) {
            StatRowControls& row = c_.stats[static_cast<std::size_t>(d.stat)];
            const QString tip = Text(d.tooltip);
            row.name = RowLabel(d.nameLabel, kStatName, d.top, d.caption, d.nameColour, false);
            row.name->setToolTip(tip);
            row.level = RowLabel(d.levelLabel, kStatLevel, d.top, d.initialLevel, kWhite, true);
            row.bar = new StatBar(d.barColour, d.fillColour, QSize(kStatBar.width, kStatBar.height),
                                  c_.Frame2);
            Place(row.bar, d.bar, Pixels({kStatBar.left, d.top, kStatBar.width, kStatBar.height}),
                  d.tooltip);
            row.bar->Fill().setObjectName(Text(d.fill));
            row.bar->Fill().setToolTip(tip);
            row.progress = RowLabel(d.progressLabel, kStatProgress, d.top, "0", kWhite, true);
            const std::string per100 = "lbl100(" + std::to_string(d.per100Index) + ")";
            row.per100 = RowLabel(per100.c_str(), kStatPer100, d.top, "/100", kWhite, false);
            WidenToFit(*row.per100);
            c_.lbl100[static_cast<std::size_t>(d.per100Index)] = row.per100;
        }
    }

    QLabel* RowLabel(const char* name, const TwipsBox& column, int top, const char* text,
                     Rgb colour, bool right) {
        auto* label = Place(new QLabel(Text(text), c_.Frame2), name,
                            Pixels({column.left, top, column.width, column.height}), nullptr);
        SetTextColour(*label, colour);
        label->setAlignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
        return label;
    }

    void BuildSlots() {
        const QFont itemFont = FontOf(kPopFont8);
        const QFont buttonFont = FontOf(kButtonFont);
        for (std::size_t i = 0; i < c_.feedSlots.size(); ++i) {
            const SlotDesign& d = SlotDesigns()[i];
            FeedSlotControls& slot = c_.feedSlots[i];
            slot.check = Place(
                new SlotCheckBox(Text(d.checkCaption), c_.client), d.check,
                Pixels({kSlotCheckLeft, d.checkTop, kSlotCheckSize.width, kSlotCheckSize.height}),
                d.checkTooltip);
            SetTextColour(*slot.check, kWhite);
            slot.item = Place(
                new WholeNamesComboBox(c_.client), d.combo,
                Pixels({kSlotComboLeft, d.checkTop, kSlotComboSize.width, kSlotComboSize.height}),
                d.comboTooltip);
            FillItemList(*slot.item, itemFont, d.colour);
            slot.count =
                Place(new CountBox(c_.client), d.count,
                      Pixels({d.countLeft, d.countTop, kCountSize.width, kCountSize.height}),
                      kCountTooltip);
            SetBackground(*slot.count, d.colour);
            slot.count->setAccessibleName(QString::fromStdString(CountBoxName(i, false)));
            slot.plus = SmallButton(d.plus, "+", d.countLeft + kPlusOffset, d.countTop,
                                    kPlusTooltip, buttonFont);
            slot.minus = SmallButton(d.minus, "-", d.countLeft + kPlusOffset,
                                     d.countTop + kMinusOffset, kMinusTooltip, buttonFont);
            const bool usable = i == 0;
            for (QWidget* w :
                 {static_cast<QWidget*>(slot.item), static_cast<QWidget*>(slot.count),
                  static_cast<QWidget*>(slot.plus), static_cast<QWidget*>(slot.minus)}) {
                w->setEnabled(usable);
            }
        }
        c_.feedSlots[0].check->setChecked(true);
        c_.feedSlots[2].check->setEnabled(false);
        c_.feedSlots[3].check->setEnabled(false);
    }

    void FillItemList(QComboBox& combo, const QFont& font, Rgb colour) {
        combo.setEditable(true);
        combo.setInsertPolicy(QComboBox::NoInsert);
        GuardPaste(combo);
        combo.setFont(font);
        SetBackground(combo, colour);
        for (std::string_view item : FeedItemNames()) {
            combo.addItem(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
        }
        combo.setCurrentIndex(-1);
        combo.setEditText(QString::fromUtf8(FeedItemNames()[0].data()));
    }

    QPushButton* SmallButton(const char* name, const char* caption, int left, int top,
                             const char* tooltip, const QFont& font) {
        auto* button = Place(new QPushButton(Text(caption), c_.client), name,
                             Pixels({left, top, kPlusMinusSize, kPlusMinusSize}), tooltip);
        button->setFont(font);
        // At 9 pixels square the style's usual margins would leave no room for the sign.
        button->setStyleSheet(QStringLiteral("QPushButton { padding: 0px; }"));
        return button;
    }

    void BuildButtons() {
        for (const ButtonDesign& d : ButtonDesigns()) {
            auto* button = Place(new QPushButton(Text(d.caption), c_.client), d.name, Pixels(d.box),
                                 d.tooltip);
            button->setEnabled(d.enabled);
            button->setVisible(d.visible);
            const std::string_view name = d.name;
            (name == "cmdUndo"   ? c_.cmdUndo
             : name == "cmdTake" ? c_.cmdTake
             : name == "cmdExit" ? c_.cmdExit
                                 : c_.cmdTimer) = button;
        }
        c_.cmdUndo->setAccessibleName(Text(kUndoName));
        c_.chkRenzoku = Place(new QCheckBox(Text(kRenzokuCaption), c_.client), "chkRenzoku",
                              Pixels(kRenzokuBox), kRenzokuTooltip);
        SetTextColour(*c_.chkRenzoku, kWhite);
        c_.chkRenzoku->hide();
    }

    void BuildAwake() {
        // The box's size is the design's: only the list that drops down is widened.
        c_.cmbAwake =
            Place(new WholeNamesComboBox(c_.client), "cmbAwake", Pixels(kAwakeBox), kAwakeTooltip);
        c_.cmbAwake->setEditable(true);
        c_.cmbAwake->setInsertPolicy(QComboBox::NoInsert);
        GuardPaste(*c_.cmbAwake);
        c_.cmbAwake->setFont(FontOf(kPopFontS8));
        SetBackground(*c_.cmbAwake, kWhite);
        for (const SpecialItemInfo& item : SpecialItemInfos()) {
            c_.cmbAwake->addItem(
                QString::fromUtf8(item.entry.data(), static_cast<qsizetype>(item.entry.size())));
        }
        c_.cmbAwake->setCurrentIndex(-1);
        c_.cmbAwake->setEditText(Text(kAwakeCaption));
    }

    void BuildHiddenChecks() {
        std::array<QCheckBox**, 4> targets{&c_.chkTimer, &c_.chkMag, &c_.chkRireki, &c_.chkPlanner};
        for (std::size_t i = 0; i < targets.size(); ++i) {
            const HiddenCheckDesign& d = HiddenCheckDesigns()[i];
            auto* box =
                Place(new QCheckBox(Text(d.caption), c_.client), d.name, QRect(), d.tooltip);
            box->hide();
            *targets[i] = box;
        }
    }

    QMainWindow& window_;
    MainControls c_;
};

}  // namespace

QColor ToQColor(Rgb colour) {
    return {colour.r, colour.g, colour.b};
}

void SetTextColour(QWidget& widget, Rgb colour) {
    QPalette p = widget.palette();
    p.setColor(QPalette::WindowText, ToQColor(colour));
    widget.setPalette(p);
}

MainControls BuildMainControls(QMainWindow& window) {
    return Builder(window).Build();
}

}  // namespace toviran
