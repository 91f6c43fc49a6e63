// Trace lines that more than one part of the engine writes.
#pragma once

// Replaces a converter's completion line when the result does not fit the output buffer.
inline constexpr const char kTraceBufferShort[] = "\n出力バッファサイズが不足しています。\n";
// The completion line of both converters.
inline constexpr const char kTraceConverted[] = "変換しました。\n\n";
