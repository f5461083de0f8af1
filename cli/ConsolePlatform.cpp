#include "cli/ConsolePlatform.h"

#include "cli/CliIo.h"

MsgAnswer ConsolePlatform::messageBox(const QString &text, const QString &, MsgIcon icon,
                                      MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel:
            return MsgAnswer::Yes;
        case MsgButtons::OkCancel:
            return MsgAnswer::Ok;
        case MsgButtons::RetryCancel:
            return MsgAnswer::Cancel;
        case MsgButtons::YesNoDefaultNo:
            // A warning whose safe answer is No: the terminal tells it and takes No.
            CliIo::err(text);
            return MsgAnswer::No;
        case MsgButtons::Ok:
            break;
    }
    if (!(m_quietInfo && icon == MsgIcon::Information)) CliIo::err(text);
    return MsgAnswer::Ok;
}
