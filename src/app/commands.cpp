#include "app/commands.h"

#include <QObject>
#include <QVariant>

namespace reelsnap {

CommandId CommandOf(const QObject* object) {
    const QByteArray code =
        object ? object->property("command").toString().toLatin1() : QByteArray();
    if (code.size() != 4) return 0;
    return CommandId(std::uint8_t(code[0])) << 24 | CommandId(std::uint8_t(code[1])) << 16 |
           CommandId(std::uint8_t(code[2])) << 8 | CommandId(std::uint8_t(code[3]));
}

QString CommandText(CommandId command) {
    QString text;
    for (int shift = 24; shift >= 0; shift -= 8) text += QChar(char((command >> shift) & 0xFF));
    return text;
}

void SetCommand(QObject* object, CommandId command) {
    object->setProperty("command", CommandText(command));
}

}  // namespace reelsnap
