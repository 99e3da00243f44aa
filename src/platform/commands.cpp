#include "platform/commands.h"

namespace reelsnap {

QString CommandText(CommandId command) {
    QString text;
    for (int shift = 24; shift >= 0; shift -= 8) text += QChar(char((command >> shift) & 0xFF));
    return text;
}

}  // namespace reelsnap
