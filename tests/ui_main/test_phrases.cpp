// Long Japanese lines break only between phrases, in message boxes and in the planner's
// labels, at any width: no word is split over two lines.
#include <QTextLayout>
#include <QtTest>

#include "platform/phrases.h"
#include "ui/fonts.h"

using namespace toviran;

namespace {

// Sentences the windows show, with the words a break must never split.
const QStringList kTexts{
    QStringLiteral("このプランの条件：カバンダ Lv100（DEF 5・POW 30・DEX 15・MIND 50）、"
                   "HU・偶数ID、新しいマグから"),
    QStringLiteral("マグはLv10で進化するので、Lv10からはマグのままでいられません。"),
    QStringLiteral("メイン画面の職業とIDが、このプランのHU・偶数IDと違います。"),
    QStringLiteral(
        "えさ 1128個、与える 4回。\nこれより少ない与え方があるかどうかは、確かめきれて"
        "いません。あったとしても、えさは263個以上要ります（減らせるのは多くて865個）。"),
    QStringLiteral("このプランは新しいマグから始まります。\n先に新規作成しますか？"),
};
const QStringList kWords{QStringLiteral("新しいマグ"),     QStringLiteral("HU・偶数ID"),
                         QStringLiteral("いられません。"), QStringLiteral("確かめきれていません"),
                         QStringLiteral("新規作成"),       QStringLiteral("DEX 15")};

bool BreakAllowed(const QString& text, qsizetype at) {
    return QStringLiteral("、。：）」\n").contains(text[at - 1]) ||
           QStringLiteral("（「").contains(text[at]);
}

// Where the lines of `lines` (joined, they are `text`) begin, other than at `text`'s own
// line breaks.
std::vector<qsizetype> Breaks(const QString& text, const QStringList& lines) {
    std::vector<qsizetype> breaks;
    qsizetype at = 0;
    for (const QString& line : lines) {
        if (at > 0 && text[at - 1] != QLatin1Char('\n')) breaks.push_back(at);
        at += line.size();
    }
    return breaks;
}

void ExpectWordsWhole(const QString& text, const std::vector<qsizetype>& breaks, int width) {
    for (const qsizetype at : breaks) {
        QVERIFY2(BreakAllowed(text, at),
                 qPrintable(QStringLiteral("%1 @%2 w%3").arg(text.left(at)).arg(at).arg(width)));
    }
}

}  // namespace

class PhrasesTest : public QObject {
    Q_OBJECT
  private slots:
    // Message boxes get their own line breaks.
    void brokenTextBreaksBetweenPhrases() {
        const QFont font = DefaultUiFont();
        const QFontMetrics metrics(font);
        for (const QString& text : kTexts) {
            for (int width = 300; width <= 700; width += 9) {
                const QString broken = BreakBetweenPhrases(text, font, width);
                QCOMPARE(QString(broken).remove(QLatin1Char('\n')),
                         QString(text).remove(QLatin1Char('\n')));
                const QStringList lines = broken.split(QLatin1Char('\n'));
                for (const QString& line : lines)
                    QVERIFY2(metrics.horizontalAdvance(line) <= width,
                             qPrintable(QStringLiteral("%1 w%2 %3")
                                            .arg(line)
                                            .arg(width)
                                            .arg(metrics.horizontalAdvance(line))));
                QStringList kept;  // the lines as parts of `text`, own breaks included
                qsizetype at = 0;
                for (const QString& line : lines) {
                    const qsizetype size =
                        line.size() +
                        (at + line.size() < text.size() && text[at + line.size()] == '\n' ? 1 : 0);
                    kept << text.mid(at, size);
                    at += size;
                }
                ExpectWordsWhole(text, Breaks(text, kept), width);
                for (const QString& word : kWords)
                    if (text.contains(word)) QVERIFY(broken.contains(word));
            }
        }
    }

    // Labels wrap the text themselves; the joiners leave them only between phrases.
    void labelsWrapBetweenPhrases() {
        const QFont font = DefaultUiFont();
        for (const QString& text : kTexts) {
            const QString kept = KeepPhrasesWhole(text);
            QCOMPARE(WithoutJoiners(kept), text);
            for (const QString& paragraph : kept.split(QLatin1Char('\n'))) {
                for (int width = 200; width <= 700; width += 9) {
                    QTextLayout layout(paragraph, font);
                    QTextOption option;
                    option.setWrapMode(QTextOption::WordWrap);
                    layout.setTextOption(option);
                    layout.beginLayout();
                    QStringList lines;
                    for (QTextLine line = layout.createLine(); line.isValid();
                         line = layout.createLine()) {
                        line.setLineWidth(width);
                        lines << WithoutJoiners(paragraph.mid(line.textStart(), line.textLength()));
                    }
                    layout.endLayout();
                    const QString plain = WithoutJoiners(paragraph);
                    ExpectWordsWhole(plain, Breaks(plain, lines), width);
                }
            }
        }
    }
};

QTEST_MAIN(PhrasesTest)
#include "test_phrases.moc"
