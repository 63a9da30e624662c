#pragma once

#include "platform/single_instance.h"

#include <QString>
#include <QWidget>

#include <exception>

class QPushButton;
class QTimer;

namespace zorv {

class PictureButton;

// A picture the menu needs could not be read: the program cannot start.
class MissingPicture : public std::exception
{
public:
    explicit MissingPicture(const QString &path)
        : m_path(path)
    {}

    const char *what() const noexcept override { return "missing picture"; }

    QString path() const { return m_path; }

    // What the user is told, naming the file.
    QString message() const;

private:
    QString m_path;
};

// The module menu: the program's control centre, on screen for the whole run. It keeps the main
// frame docked below itself and is the only way to leave the program.
class b_menu : public QWidget
{
    Q_OBJECT

public:
    static constexpr WindowKind windowKind = WindowKind::TopLevel;

    // Throws MissingPicture when one of the two pictures cannot be read.
    explicit b_menu(QWidget *parent = nullptr);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Image1_Click();
    void Image2_Click();
    void Form_Load();
    void Form_Unload();
    void WindowsAlign_Timer();
    void errinit();

    // The desktop session is ending: the menu may be closed from now on, which ends the program.
    void sessionEnding();

    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command7 = nullptr;
    PictureButton *Image1 = nullptr;
    PictureButton *Image2 = nullptr;
    QTimer *WindowsAlign = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool m_sessionEnding = false;
};

} // namespace zorv
