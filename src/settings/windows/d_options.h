#pragma once

#include "platform/single_instance.h"
#include "settings/core/options.h"

#include <QWidget>

class QCheckBox;

namespace zorv {

// The options window: three switches, each stored in the settings file the moment it changes.
class d_options : public QWidget
{
    Q_OBJECT

public:
    static constexpr WindowKind windowKind = WindowKind::FrameChild;

    explicit d_options(QWidget *parent = nullptr);

    // Key `variable` of section `rubrique` of the settings file, or "0" when it is missing. Needs
    // no window: the menu calls it without opening this one.
    static QString Loado(const QString &rubrique, const QString &variable);
    static QString Loado(settings::Option option);

    // Stores `donnee` as key `variable` of section `rubrique` of the settings file; the write's
    // result as decimal text ("1" written, "0" not). Needs no window.
    static QString Savo(const QString &rubrique, const QString &variable, const QString &donnee);
    static QString Savo(settings::Option option, const QString &donnee);

    void Form_Load();
    void Check1_Click();
    void Check2_Click();
    void Co_Click();

    QCheckBox *Co = nullptr;
    QCheckBox *Check1 = nullptr;
    QCheckBox *Check2 = nullptr;

private:
    void store(QCheckBox *box, settings::Option option);
};

} // namespace zorv
