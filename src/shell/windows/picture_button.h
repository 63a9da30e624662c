#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace zorv {

// A picture that works as a button: the picture is stretched to the control, a click (or, when the
// control takes the keyboard focus, the space bar or Enter) sends clicked(), and a screen reader
// announces a button under the accessible name.
class PictureButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit PictureButton(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);

    QPixmap picture() const { return m_picture; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPixmap m_picture;
};

} // namespace zorv
