#pragma once

#include "core/seam.h"

#include <QString>

enum class ConfirmAnswer { Yes, No, ClosedByBox };

// Every message box the program shows goes through here.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Caption "確認", question icon, はい(&Y) (default, Enter) and いいえ(&N) (Esc).
    virtual ConfirmAnswer confirm(const QString& text) = 0;
    // Caption "情報", one OK button.
    virtual void information(const QString& text) = 0;
    // The standard error report: caption "ポルナ", the error's message.
    virtual void errorReport(const QString& text) = 0;
};

inline MessageBoxes& messageBoxes() {
    return Seam<MessageBoxes>::get();
}
