#include "platform/commands.h"

#include <QObject>
#include <QVariant>

namespace reelsnap {

CommandId CommandOf(const QObject* object) {
    const QByteArray code =
        object ? object->property("command").toString().toLatin1() : QByteArray();
    return code.size() == 4 ? FourCC(code.constData()) : 0;
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
