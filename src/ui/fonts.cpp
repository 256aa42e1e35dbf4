#include "ui/fonts.h"

#include <QFontMetrics>
#include <algorithm>
#include <array>
#include <utility>

namespace toviran {
namespace {

// Pop face from fonts-motoya-l-maruberi; Gothic faces from fonts-ipafont-gothic; the
// serif with the metrics of Times New Roman from fonts-liberation.
constexpr const char* kPopFamily = "MotoyaLMaru";
constexpr const char* kGothicFixed = "IPAGothic";
constexpr const char* kGothicProportional = "IPAPGothic";
constexpr const char* kSerif = "Liberation Serif";

// Steps in which a font shrinks until a text fits.
constexpr double kFitStepPoints = 0.5;

// Design family -> installed family. Unlisted families get the proportional Gothic.
constexpr std::array<std::pair<const char*, const char*>, 6> kSubstitutes{{
    {"HG創英角ﾎﾟｯﾌﾟ体", kPopFamily},
    {"HGS創英角ﾎﾟｯﾌﾟ体", kPopFamily},
    {"ＭＳ ゴシック", kGothicFixed},
    {"ＭＳ Ｐゴシック", kGothicProportional},
    {"MS UI Gothic", kGothicProportional},
    {"Times New Roman", kSerif},
}};

}  // namespace

QString SubstituteFamily(const QString& designFamily) {
    for (const auto& [design, installed] : kSubstitutes) {
        if (designFamily == QString::fromUtf8(design)) return QString::fromUtf8(installed);
    }
    return QString::fromUtf8(kGothicProportional);
}

QFont DesignFont(const QString& designFamily, double pointSize) {
    QFont font(SubstituteFamily(designFamily));
    font.setPointSizeF(pointSize);
    return font;
}

QFont FitToWidth(QFont font, const QString& text, int width) {
    while (font.pointSizeF() > kFitStepPoints) {
        const QFontMetrics metrics(font);
        // Slanted and serif glyphs may reach beyond their advance.
        if (std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).width()) <=
            width) {
            break;
        }
        font.setPointSizeF(font.pointSizeF() - kFitStepPoints);
    }
    return font;
}

QFont DefaultUiFont(double pointSize) {
    QFont font(QString::fromUtf8(kGothicProportional));
    font.setPointSizeF(pointSize);
    return font;
}

}  // namespace toviran
