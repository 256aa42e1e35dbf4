#include "ui/fonts.h"

#include <array>
#include <utility>

namespace toviran {
namespace {

// Pop face from fonts-motoya-l-maruberi; Gothic faces from fonts-ipafont-gothic.
constexpr const char* kPopFamily = "MotoyaLMaru";
constexpr const char* kGothicFixed = "IPAGothic";
constexpr const char* kGothicProportional = "IPAPGothic";

// Design family -> installed family. Unlisted families get the proportional Gothic.
constexpr std::array<std::pair<const char*, const char*>, 6> kSubstitutes{{
    {"HG創英角ﾎﾟｯﾌﾟ体", kPopFamily},
    {"HGS創英角ﾎﾟｯﾌﾟ体", kPopFamily},
    {"ＭＳ ゴシック", kGothicFixed},
    {"ＭＳ Ｐゴシック", kGothicProportional},
    {"MS UI Gothic", kGothicProportional},
    // Its digits are narrow; the fixed Gothic keeps the timer's "200" inside its label.
    {"Times New Roman", kGothicFixed},
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

QFont DefaultUiFont(double pointSize) {
    QFont font(QString::fromUtf8(kGothicProportional));
    font.setPointSizeF(pointSize);
    return font;
}

}  // namespace toviran
