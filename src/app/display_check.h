#pragma once
// Whether the window program can reach a display at all.
#include <functional>
#include <string>

namespace toviran {

// The toolkit aborts when it finds no display, or when the X display it is given does not
// answer; we look first and say so plainly.
// `env` returns an environment variable's value, or nullptr when it is not set.
bool DisplayAvailable(const std::function<const char*(const char*)>& env);

inline constexpr const char* kNoDisplayMessage =
    "toviran: 表示できる画面（ディスプレイ）が見つかりません。"
    "画面なしで使うときはバッチシミュレータ toviran-sim を使ってください。";

}  // namespace toviran
