// The About box's system-information button: where the program is, read from
// the registry, and starting it.
#include "about_box.h"

#include "main_window.h"

#include <QFileInfo>

#include <algorithm>

namespace {

constexpr uint32_t kLocalMachine = 0x80000002;
constexpr uint32_t kAllAccess = 0x2003F;
constexpr uint32_t kString = 1, kNumber = 4;
constexpr uint32_t kBufferSize = 1024;

// A file of that path that is an ordinary one (not a folder); the path may use
// backslashes as separators.
bool fileFound(const QString& designPath)
{
    const QFileInfo file(QString(designPath).replace(QLatin1Char('\\'), QLatin1Char('/')));
    return file.isFile() && !file.isHidden();
}

// "&h" and hex digits as the number they name; any other text stays as it is.
QString formatted(const QString& text)
{
    bool ok = false;
    const qulonglong n = text.mid(2).toULongLong(&ok, 16);
    return ok ? QString::number(n) : text;
}

}  // namespace

bool AboutBox::GetKeyValue(Registry& registry, uint32_t root, const QString& keyPath, const QString& valueName,
                           QString& value)
{
    uint32_t key = 0;
    QByteArray buffer(kBufferSize, '\0');
    uint32_t size = kBufferSize;
    uint32_t type = 0;
    if (registry.open(root, keyPath, 0, kAllAccess, key) != 0 ||
        registry.query(key, valueName, 0, type, buffer.data(), size) != 0) {
        value.clear();
        registry.close(key);
        return false;
    }
    // A text value ends in a zero byte, not part of the text. An empty value has no
    // last byte to look at and is simply empty.
    const int kept = int(std::min(size, kBufferSize));
    buffer.truncate(kept > 0 && buffer[kept - 1] == '\0' ? kept - 1 : kept);
    if (type == kString) {
        value = QString::fromLocal8Bit(buffer);
    } else if (type == kNumber) {
        // Most significant byte first, two digits each, so that every byte keeps its place.
        for (auto b = buffer.crbegin(); b != buffer.crend(); ++b)
            value += QStringLiteral("%1").arg(uint(uchar(*b)), 2, 16, QLatin1Char('0')).toUpper();
        value = formatted(QStringLiteral("&h") + value);
    }
    registry.close(key);
    return true;
}

void AboutBox::StartSysInfo()
{
    Platform& platform = main_.platform();
    QString path;
    if (GetKeyValue(platform.registry, kLocalMachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                    QStringLiteral("PATH"), path)) {
        // Started as found, without looking for the file first.
        if (platform.starter.start(path))
            return;
    } else if (GetKeyValue(platform.registry, kLocalMachine,
                           QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"), QStringLiteral("MSINFO"),
                           path)) {
        path += QStringLiteral("\\MSINFO32.EXE");
        if (fileFound(path) && platform.starter.start(path))
            return;
    }
    // The box stays open, and takes the keyboard back when the message closes.
    platform.messages.notice(this, QStringLiteral("La información del sistema no está disponible en este momento"));
}
