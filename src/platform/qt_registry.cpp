#include "qt_services.h"

#include <QStandardPaths>

#include <cstring>

namespace {
constexpr uint32_t kLocalMachine = 0x80000002;
constexpr uint32_t kKey = 1;
constexpr uint32_t kString = 1;
constexpr int32_t kNotFound = 2, kBadHandle = 6, kMoreData = 234;

const QString kSysInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
}  // namespace

const QStringList SysInfoRegistry::kDesktopPrograms = {
    QStringLiteral("hardinfo2"),   QStringLiteral("hardinfo"),
    QStringLiteral("kinfocenter"), QStringLiteral("xfce4-about"),
    QStringLiteral("gnome-system-monitor"),
};

SysInfoRegistry::SysInfoRegistry(QStringList programs) : programs_(std::move(programs)) {}

QString SysInfoRegistry::program() const
{
    // Looked up at every reading, so a program installed while the simulator runs is found.
    for (const QString& name : programs_) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return QString();
}

int32_t SysInfoRegistry::open(uint32_t root, const QString& keyPath, uint32_t, uint32_t, uint32_t& key)
{
    // Key names are not case-sensitive, as on the platform the program was made for.
    if (root != kLocalMachine || keyPath.compare(kSysInfoKey, Qt::CaseInsensitive) != 0 || program().isEmpty())
        return kNotFound;
    key = kKey;
    return 0;
}

int32_t SysInfoRegistry::query(uint32_t key, const QString& valueName, uint32_t, uint32_t& type, char* data,
                               uint32_t& size)
{
    if (key != kKey)
        return kBadHandle;
    if (valueName.compare(QLatin1String("PATH"), Qt::CaseInsensitive) != 0)
        return kNotFound;
    const QString path = program();
    if (path.isEmpty())
        return kNotFound;
    const QByteArray text = path.toLocal8Bit() + '\0';
    const auto needed = uint32_t(text.size());
    if (needed > size) {
        size = needed;
        return kMoreData;
    }
    std::memcpy(data, text.constData(), needed);
    size = needed;
    type = kString;
    return 0;
}

int32_t SysInfoRegistry::close(uint32_t key) { return key == kKey ? 0 : kBadHandle; }
