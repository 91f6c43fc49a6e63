// What the user is told about a conversion request: refusals of empty inputs and the engine's result
// codes. Shared by the dialog's Convert command and the command-line tool, so both say the same.
#pragma once

#include "engine/convert_path.h"

inline constexpr const char kMsgBasePathEmpty[] = "基準パスを指定してください。";
inline constexpr const char kMsgTargetPathEmpty[] = "変換対象パスを指定してください。";
inline constexpr const char kMsgConvFailed[] = "変換に失敗しました";
inline constexpr const char kMsgConvBadParam[] = "パラメータが不正です。";
inline constexpr const char kMsgConvBufShort[] = "出力バッファサイズが不足しています。";

// The message for a result code, or nullptr for every code that counts as success.
inline const char* messageForResult(int code) {
  switch (code) {
    case CONV_FAILED: return kMsgConvFailed;
    case CONV_BAD_PARAM: return kMsgConvBadParam;
    case CONV_BUF_SHORT: return kMsgConvBufShort;
    default: return nullptr;
  }
}

// The size of the output buffer that a conversion request from the dialog gets.
constexpr size_t kResultBufferSize = 1024;
