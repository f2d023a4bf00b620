#include "qt_services.h"

#include "drawing/pictures.h"

#include <QApplication>
#include <QBitmap>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

QString FilePictureLoader::localPath(const QString& designPath)
{
    QString p = designPath;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

QPixmap FilePictureLoader::load(const QString& designPath)
{
    // The bitmaps never change while the program runs, so each is read once.
    auto it = cache_.constFind(designPath);
    if (it != cache_.constEnd())
        return *it;
    QPixmap pixmap;
    const QString path = QDir::current().filePath(localPath(designPath));
    if (QFileInfo::exists(path) && pixmap.load(path)) {
        // Pure magenta marks the background that should let the control show through.
        pixmap = drawing::masked(pixmap.toImage());
    } else {
        pixmap = QPixmap();
    }
    cache_.insert(designPath, pixmap);
    return pixmap;
}

void QtBeeper::beep() { QApplication::beep(); }

void QtMessageService::warning(QWidget* parent, const QString& title, const QString& text, std::function<void()> then)
{
    auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QMessageBox::finished, box, [then](int) {
        if (then)
            then();
    });
    box->open();
}

void QtMessageService::question(QWidget* parent, const QString& title, const QString& text,
                                std::function<void(bool)> then)
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QMessageBox::finished, box, [box, then](int) {
        if (then)
            then(box->clickedButton() == box->button(QMessageBox::Yes));
    });
    box->open();
}

void QtMessageService::notice(QWidget* parent, const QString& text, std::function<void()> then)
{
    auto* box = new QMessageBox(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text,
                                QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QMessageBox::finished, box, [then](int) {
        if (then)
            then();
    });
    box->open();
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
