#pragma once
#include "services.h"

#include <QHash>
#include <QStringList>

// Looks in the current folder first, then in `programFolder` (the program's own,
// by default), so the program finds its pictures wherever it is started from. A
// picture in neither, or one that cannot be read, is said once on standard error.
class FilePictureLoader : public PictureLoader {
public:
    FilePictureLoader();
    explicit FilePictureLoader(const QString& programFolder);
    QPixmap load(const QString& designPath) override;
    // "pictures\UAL.bmp" -> "pictures/UAL.bmp"
    static QString localPath(const QString& designPath);

private:
    QPixmap read(const QString& designPath) const;

    QString programFolder_;
    QHash<QString, QPixmap> cache_;
};

class QtBeeper : public Beeper {
public:
    void beep() override;
};

class QtMessageService : public MessageService {
public:
    void warning(QWidget* parent, const QString& title, const QString& text, std::function<void()> then) override;
    void question(QWidget* parent, const QString& title, const QString& text,
                  std::function<void(bool)> then) override;
    void notice(QWidget* parent, const QString& text, std::function<void()> then) override;
};

// Starts programs detached. The help viewer of the original platform ("hh.exe
// <file>") is not on this machine: our own layer opens the help file with the
// desktop's default viewer when the file exists, and otherwise reports failure.
// A line that is the path of a program file (blanks and backslashes allowed)
// starts that program without arguments.
class QtProgramStarter : public ProgramStarter {
public:
    bool start(const QString& commandLine) override;
};

// This machine has no registry. The one the About box reads is small and
// read-only: the key of the system-information program, whose value "PATH" is
// the first of `programs` found on the PATH; there is no other key, and without
// such a program there is none at all.
class SysInfoRegistry : public Registry {
public:
    static const QStringList kDesktopPrograms;
    explicit SysInfoRegistry(QStringList programs = kDesktopPrograms);

    int32_t open(uint32_t root, const QString& keyPath, uint32_t options, uint32_t access, uint32_t& key) override;
    int32_t query(uint32_t key, const QString& valueName, uint32_t reserved, uint32_t& type, char* data,
                  uint32_t& size) override;
    int32_t close(uint32_t key) override;

private:
    QString program() const;
    QStringList programs_;
};
