#include "qt_services.h"

#include "drawing/pictures.h"

#include <QApplication>
#include <QBitmap>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QUrl>

QString FilePictureLoader::localPath(const QString& designPath)
{
    QString p = designPath;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

FilePictureLoader::FilePictureLoader() : FilePictureLoader(QCoreApplication::applicationDirPath()) {}

FilePictureLoader::FilePictureLoader(const QString& programFolder) : programFolder_(programFolder) {}

QPixmap FilePictureLoader::load(const QString& designPath)
{
    // The bitmaps never change while the program runs, so each is read, and a
    // failure said, once.
    auto it = cache_.constFind(designPath);
    if (it == cache_.constEnd())
        it = cache_.insert(designPath, read(designPath));
    return *it;
}

QPixmap FilePictureLoader::read(const QString& designPath) const
{
    const QString local = localPath(designPath);
    QStringList folders{QDir::currentPath()};
    if (!programFolder_.isEmpty() && QDir(programFolder_) != QDir::current())
        folders << programFolder_;
    QString path;
    for (const QString& folder : folders) {
        path = QDir(folder).absoluteFilePath(local);
        if (QFileInfo(path).isFile())
            break;
        path.clear();
    }
    if (path.isEmpty()) {
        qWarning().noquote() << QStringLiteral("ririv4: picture %1 not found in %2; shown empty")
                                    .arg(local, folders.join(QLatin1String(" nor in ")));
        return QPixmap();
    }
    QPixmap pixmap;
    if (!pixmap.load(path)) {
        qWarning().noquote() << QStringLiteral("ririv4: picture %1 cannot be read; shown empty").arg(path);
        return QPixmap();
    }
    // Pure magenta marks the background that should let the control show through.
    return drawing::masked(pixmap.toImage());
}

void QtBeeper::beep() { QApplication::beep(); }

namespace {

// Opens the box without waiting. When it closes, the window that raised it takes
// the keyboard back before the continuation runs: with no window manager to do
// it, nothing else would, and the keys would go to no window at all.
void openBox(QMessageBox* box, std::function<void()> then)
{
    box->setAttribute(Qt::WA_DeleteOnClose);
    const QPointer<QWidget> raiser = box->parentWidget() ? box->parentWidget()->window() : nullptr;
    QObject::connect(box, &QMessageBox::finished, box, [raiser, then](int) {
        if (raiser && raiser->isVisible())
            raiser->activateWindow();
        if (then)
            then();
    });
    box->open();
}

}  // namespace

void QtMessageService::warning(QWidget* parent, const QString& title, const QString& text, std::function<void()> then)
{
    openBox(new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent), std::move(then));
}

void QtMessageService::question(QWidget* parent, const QString& title, const QString& text,
                                std::function<void(bool)> then)
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    openBox(box, [box, then] {
        if (then)
            then(box->clickedButton() == box->button(QMessageBox::Yes));
    });
}

void QtMessageService::notice(QWidget* parent, const QString& text, std::function<void()> then)
{
    openBox(new QMessageBox(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok,
                            parent),
            std::move(then));
}

bool QtProgramStarter::start(const QString& commandLine)
{
    const QFileInfo whole(QString(commandLine).replace(QLatin1Char('\\'), QLatin1Char('/')));
    if (whole.isFile() && whole.isExecutable())
        return QProcess::startDetached(whole.filePath(), {});
    QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty())
        return false;
    const QString program = words.takeFirst();
    if (program.compare(QLatin1String("hh.exe"), Qt::CaseInsensitive) == 0) {
        // The help file path was written for the original platform: it may hold
        // blanks and backslashes, so take the rest of the line as one path.
        QString file = commandLine.mid(commandLine.indexOf(QLatin1Char(' ')) + 1);
        file.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (!QFileInfo::exists(file))
            return false;
        return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    }
    return QProcess::startDetached(program, words);
}
