// The framework's own texts for the user, in the program's code page.
#pragma once

// A text longer than a field's limit; %1 is the limit.
inline constexpr const char kTextTooLongFormat[] = "%1 文字以内で入力してください。";

// The help engine could not be started.
inline constexpr const char kHelpLaunchFailed[] = "ﾍﾙﾌﾟの起動に失敗しました。";
