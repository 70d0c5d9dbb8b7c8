#pragma once

#include <QDialog>

#include <optional>
#include <vector>

#include "layout/TemplateDatabase.h"
#include "layout/TemplateFilters.h"

class DialogButtonBar;
class QButtonGroup;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

// "Select Template": one stock from the template database, narrowed by product, printer and region
// and found by typing its stock number.
class TSelectTemplate : public QDialog
{
public:
    static constexpr int helpTopic = 1048;

    // The chosen stock with all its fields, or nothing on "Cancel". For a new document, or when
    // the current layout is a user-defined one, the chooser opens on its first filter items;
    // otherwise on the current stock.
    static std::optional<TLabelLayout> choose(QWidget *parent, const TLabelLayout &current, bool isNew,
                                              const QString &databasePath);

    TSelectTemplate(const TLabelLayout &current, bool isNew, const QString &databasePath,
                    QWidget *parent = nullptr);

    TemplateFilter filter() const;
    // The record of the selected list item, if any.
    std::optional<TLabelLayout> selectedRecord() const;
    const std::optional<TLabelLayout> &result() const { return m_result; }

    QButtonGroup *productTypeGroup() const { return m_productType; }
    QButtonGroup *printerTypeGroup() const { return m_printerType; }
    QButtonGroup *regionGroup() const { return m_region; }
    QLineEdit *typeAhead() const { return m_typeAhead; }
    QListWidget *templateList() const { return m_list; }
    QPlainTextEdit *description() const { return m_description; }
    DialogButtonBar *buttons() const { return m_buttons; }

    // "Ok" with nothing selected leaves the dialog open.
    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillList();
    void search(const QString &typed);
    void showDescription();

    TemplateDatabase m_database;
    std::vector<TemplateListItem> m_items;
    QButtonGroup *m_productType;
    QButtonGroup *m_printerType;
    QButtonGroup *m_region;
    QLineEdit *m_typeAhead;
    QListWidget *m_list;
    QPlainTextEdit *m_description;
    DialogButtonBar *m_buttons;
    bool m_errorShown = false;
    std::optional<TLabelLayout> m_result;
};
