#include "platform/phrases.h"

#include <QFont>
#include <QStringList>
#include <QTextLayout>

namespace toviran {
namespace {

constexpr QChar kWordJoiner(0x2060);
// The toolkit breaks lines at every space, joiner or not.
constexpr QChar kNoBreakSpace(0x00A0);

bool EndsPhrase(QChar c) {
    return QStringLiteral("、。，．！？：；）」』】\n").contains(c);
}

bool StartsPhrase(QChar c) {
    return QStringLiteral("（「『【\n").contains(c);
}

}  // namespace

QString KeepPhrasesWhole(const QString& text) {
    QString kept;
    kept.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        kept += text[i] == QLatin1Char(' ') ? kNoBreakSpace : text[i];
        if (i + 1 == text.size() || text[i].isHighSurrogate()) continue;
        if (!EndsPhrase(text[i]) && !StartsPhrase(text[i + 1])) kept += kWordJoiner;
    }
    return kept;
}

QString WithoutJoiners(QString text) {
    return text.remove(kWordJoiner).replace(kNoBreakSpace, QLatin1Char(' '));
}

QString BreakBetweenPhrases(const QString& text, const QFont& font, int width) {
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        if (paragraph.isEmpty()) {
            lines << QString();
            continue;
        }
        const QString kept = KeepPhrasesWhole(paragraph);
        QTextLayout layout(kept, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << WithoutJoiners(kept.mid(line.textStart(), line.textLength()));
        }
        layout.endLayout();
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace toviran
