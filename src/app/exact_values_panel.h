#pragma once

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <array>

#include "editing/exact_edits.h"

class TEditForm;

// The exact values panel (titled by string 307): the selected entity, the selection or the
// entry in numbers, in grid cells as the position read-out shows them, and typed values taken
// through the same edits as the pointer's. It follows every change of the edit state the
// window signals.
class ExactValuesPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ExactValuesPanel(TEditForm& form);

    // Shows the state as it is now; while hidden, nothing (it shows it when shown again).
    void refresh();
    // Labels from the string table; run when the strings are loaded.
    void setTexts();

    // The field of a coordinate or length, by the value it edits (for tests and focus).
    QLineEdit* entityField(EntityField field) const;
    QLineEdit* entryField(EntryField field) const;
    QComboBox* colourBox() const { return colour_; }
    QComboBox* whichArcBox() const { return whichArc_; }
    QLabel* kindLabel() const { return kind_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    enum Row {
        Kind,
        Count,
        Start,
        End,
        Centre,
        Radius,
        WhichArc,
        Colour,
        Length,
        Angle,
        Origin,
        SizeRadius,
        BaseLine,
        RowCount
    };

    QLineEdit* numberField();
    QWidget* pair(QLineEdit* x, QLineEdit* y);
    void addRow(Row row, QWidget* field);
    void showRows(std::initializer_list<Row> rows);
    void showEntity(int32_t index);
    void showSelection(int count);
    void showEntry();
    void showColour(int32_t colour, bool common);
    void applyEntityField(EntityField field);
    void applyEntryField(EntryField field);
    void warn(EditRefusal refusal);
    QString text(int number) const;

    TEditForm& form_;
    QFormLayout* layout_ = nullptr;
    std::array<QLabel*, RowCount> captions_{};
    std::array<QWidget*, RowCount> fields_{};
    QLabel* kind_ = nullptr;
    QLabel* count_ = nullptr;
    std::array<QLineEdit*, 7> entityFields_{};  // by EntityField
    std::array<QLineEdit*, 3> entryFields_{};   // by EntryField
    QComboBox* whichArc_ = nullptr;
    QComboBox* colour_ = nullptr;
    QLabel* length_ = nullptr;
    QLabel* angle_ = nullptr;
    QLabel* baseLine_ = nullptr;
    int32_t shownEntity_ = 0;  // the entity whose values the fields show, 0 for none
};
