#pragma once

#include <QDialog>

#include <array>
#include <optional>

#include "layout/LayoutEditorRules.h"

class DialogButtonBar;
class QComboBox;
class QRadioButton;
class QSpinBox;
class TNumEdit;

// "User Defined Label Layout": the stock's measurements typed in inches or millimetres.
class TUserEditLabelLayout : public QDialog
{
public:
    static constexpr int helpTopic = 1050;

    // The entries start from `current`; on "Ok" the layout comes back in inches as a user-defined
    // one. `useMillimetres` opens the editor in millimetres and afterwards tells whether the user
    // left it there, whatever the result, so that the caller can remember the choice.
    static std::optional<TLabelLayout> edit(QWidget *parent, const TLabelLayout &current,
                                            bool &useMillimetres);

    TUserEditLabelLayout(const TLabelLayout &current, bool useMillimetres, QWidget *parent = nullptr);

    bool usesMillimetres() const;
    // The accepted layout; empty until "Ok" found the entries sound.
    const std::optional<TLabelLayout> &result() const { return m_result; }

    TNumEdit *lengthEdit(Measurement which) const { return m_lengths[std::size_t(which)]; }
    QSpinBox *labelsAcross() const { return m_across; }
    QSpinBox *labelsDown() const { return m_down; }
    QComboBox *paperSize() const { return m_paperSize; }
    QComboBox *labelShape() const { return m_labelShape; }
    QRadioButton *inchesButton() const { return m_inches; }
    QRadioButton *millimetresButton() const { return m_millimetres; }
    DialogButtonBar *buttons() const { return m_buttons; }

    // "Ok": the entries are checked and the first problem is reported; the dialog stays open then.
    void accept() override;

private:
    MeasurementUnit unit() const;
    void switchUnit(MeasurementUnit to);
    void paperSizeChosen(int item);
    // Leaving a label size box raises the pitch that steps over it.
    void sizeBoxExited(Measurement size, Measurement pitch);
    LayoutEntries entries() const;

    std::array<TNumEdit *, MeasurementCount> m_lengths{};
    QSpinBox *m_across;
    QSpinBox *m_down;
    QComboBox *m_paperSize;
    QComboBox *m_labelShape;
    QRadioButton *m_inches;
    QRadioButton *m_millimetres;
    DialogButtonBar *m_buttons;
    std::optional<TLabelLayout> m_result;
};
