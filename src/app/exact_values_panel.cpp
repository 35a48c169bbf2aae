#include "app/exact_values_panel.h"

#include <QHBoxLayout>
#include <QPainter>
#include <cmath>

#include "app/edit_form.h"
#include "app/numbered_text.h"
#include "display/arc_geometry.h"
#include "display/entity_measures.h"
#include "display/palette.h"
#include "editing/colours.h"
#include "editing/selection.h"
#include "model/units.h"

namespace {

constexpr int KindString = 309;
constexpr int LineString = 310;
constexpr int ArcString = 311;
constexpr int StartString = 312;
constexpr int EndString = 313;
constexpr int CentreString = 314;
constexpr int RadiusString = 315;
constexpr int WhichArcString = 316;
constexpr int ShorterArcString = 317;  // then Longer arc, Clockwise half, Counter-clockwise half
constexpr int ColourString = 321;
constexpr int LengthString = 322;
constexpr int AngleString = 323;
constexpr int SelectedString = 324;
constexpr int SeveralString = 325;
constexpr int DifferentColoursString = 326;
constexpr int OriginString = 327;
constexpr int SizeRadiusString = 328;
constexpr int BaseLineString = 329;
constexpr int EntryString = 330;
constexpr int NoEntryString = 331;
constexpr int NotANumberString = 332;
constexpr int OffAreaString = 333;
constexpr int NoCentreString = 334;
constexpr int FileUnitsString = 335;
constexpr int FullCircleString = 336;
constexpr int SweepString = 337;
constexpr int WarningCaptionString = 106;

constexpr int BaseLineY = 155;  // the line a line type's pattern runs along
constexpr double Degrees = 180 / M_PI;

QString cells(double value) {
    return QString::fromStdString(cellText(value));
}

QString degrees(double radians) {
    return QString::number(radians * Degrees, 'f', 1) + QChar(0x00B0);
}

QIcon colourSwatch(int index) {
    QPixmap swatch(12, 12);
    const Rgb rgb = PaletteColour(index, true);
    swatch.fill(QColor(rgb.r, rgb.g, rgb.b));
    QPainter(&swatch).drawRect(0, 0, 11, 11);
    return QIcon(swatch);
}

void setValue(QLineEdit* field, const QString& value, const QString& fileUnits) {
    field->setText(value);
    field->setCursorPosition(0);
    field->setProperty("fileUnits", fileUnits);
}

}  // namespace

ExactValuesPanel::ExactValuesPanel(TEditForm& form) : form_(form) {
    setObjectName("ExactValuesPanel");
    layout_ = new QFormLayout(this);
    kind_ = new QLabel(this);
    kind_->setObjectName("ExactValuesKind");
    count_ = new QLabel(this);
    for (QLineEdit*& field : entityFields_) {
        field = numberField();
    }
    for (QLineEdit*& field : entryFields_) {
        field = numberField();
    }
    whichArc_ = new QComboBox(this);
    colour_ = new QComboBox(this);
    for (int i = 1; i <= ColourBoxCount; ++i) {
        colour_->addItem(colourSwatch(i), QString::number(i));
    }
    length_ = new QLabel(this);
    angle_ = new QLabel(this);
    baseLine_ = new QLabel(this);

    using F = EntityField;
    const auto entity = [this](F f) { return entityFields_[static_cast<size_t>(f)]; };
    const auto entry = [this](EntryField f) { return entryFields_[static_cast<size_t>(f)]; };
    addRow(Kind, kind_);
    addRow(Count, count_);
    addRow(Start, pair(entity(F::StartX), entity(F::StartY)));
    addRow(End, pair(entity(F::EndX), entity(F::EndY)));
    addRow(Centre, pair(entity(F::CentreX), entity(F::CentreY)));
    addRow(Radius, entity(F::Radius));
    addRow(WhichArc, whichArc_);
    addRow(Colour, colour_);
    addRow(Length, length_);
    addRow(Angle, angle_);
    addRow(Origin, pair(entry(EntryField::OriginX), entry(EntryField::OriginY)));
    addRow(SizeRadius, entry(EntryField::SizeRadius));
    addRow(BaseLine, baseLine_);

    for (size_t i = 0; i < entityFields_.size(); ++i) {
        connect(entityFields_[i], &QLineEdit::returnPressed, this,
                [this, i] { applyEntityField(static_cast<F>(i)); });
    }
    for (size_t i = 0; i < entryFields_.size(); ++i) {
        connect(entryFields_[i], &QLineEdit::returnPressed, this,
                [this, i] { applyEntryField(static_cast<EntryField>(i)); });
    }
    connect(whichArc_, &QComboBox::activated, this, [this](int flag) {
        const int32_t index = shownEntity_;
        form_.runHandler([index, flag](EditContext& ctx) {
            setArcFlag(ctx, index, static_cast<uint8_t>(flag));
        });
    });
    // The colour goes the way of a click on a colour box: onto every selected entity.
    connect(colour_, &QComboBox::activated, this, [this](int row) {
        form_.runHandler([row](EditContext& ctx) { ColourBox_Click(ctx, row + 1); });
        refresh();
    });

    connect(&form, &TEditForm::stringsLoaded, this, &ExactValuesPanel::setTexts);
    const EditSignals& changes = form.editSignals();
    for (auto signal :
         {&EditSignals::workEntitiesChanged, &EditSignals::workSelectionChanged,
          &EditSignals::workEntrySettingsChanged, &EditSignals::currentEntrySwitched}) {
        connect(&changes, signal, this, &ExactValuesPanel::refresh);
    }
}

QLineEdit* ExactValuesPanel::numberField() {
    auto* field = new QLineEdit(this);
    field->setAlignment(Qt::AlignRight);
    // Wide enough for "20.0" and a little more, whatever the font.
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-000.0")) + 12);
    // Left without Enter, the field shows the value again rather than what was typed.
    connect(field, &QLineEdit::editingFinished, this, &ExactValuesPanel::refresh);
    return field;
}

QWidget* ExactValuesPanel::pair(QLineEdit* x, QLineEdit* y) {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(x);
    row->addWidget(y);
    return box;
}

void ExactValuesPanel::addRow(Row row, QWidget* field) {
    captions_[row] = new QLabel(this);
    fields_[row] = field;
    layout_->addRow(captions_[row], field);
}

void ExactValuesPanel::showRows(std::initializer_list<Row> rows) {
    for (int row = 0; row < RowCount; ++row) {
        layout_->setRowVisible(row, std::find(rows.begin(), rows.end(), row) != rows.end());
    }
}

QLineEdit* ExactValuesPanel::entityField(EntityField field) const {
    return entityFields_[static_cast<size_t>(field)];
}

QLineEdit* ExactValuesPanel::entryField(EntryField field) const {
    return entryFields_[static_cast<size_t>(field)];
}

QString ExactValuesPanel::text(int number) const {
    return numberedText(form_.strings(), number);
}

void ExactValuesPanel::setTexts() {
    const std::array<int, RowCount> captions{
        KindString,   SelectedString,   StartString,   EndString,    CentreString,
        RadiusString, WhichArcString,   ColourString,  LengthString, AngleString,
        OriginString, SizeRadiusString, BaseLineString};
    for (int row = 0; row < RowCount; ++row) {
        captions_[row]->setText(text(captions[row]));
    }
    colour_->setPlaceholderText(text(DifferentColoursString));
    refresh();
}

void ExactValuesPanel::showEvent(QShowEvent* event) {
    refresh();
    QWidget::showEvent(event);
}

void ExactValuesPanel::refresh() {
    if (!isVisible()) {
        return;  // a closed panel costs the edits nothing; it catches up when shown
    }
    const EditorState& s = form_.state();
    shownEntity_ = 0;
    if (!Library::isValidNumber(s.library.currentEntry) || !s.library.isAllocated()) {
        kind_->setText(text(NoEntryString));
        showRows({Kind});
        setEnabled(false);
        return;
    }
    setEnabled(true);
    const int count = selectedCount(s.selection);
    const int32_t first = selectedItem(s.selection, 1);
    if (count == 1 && first >= 1 && first <= s.work.workEntityCount) {
        showEntity(first);
    } else if (count > 1) {
        showSelection(count);
    } else {
        showEntry();
    }
    // Each field's tool tip: what it holds, and its value in the library file's units.
    const QString tip = text(FileUnitsString);
    for (QLineEdit* field : entityFields_) {
        field->setToolTip(tip.arg(field->property("fileUnits").toString()));
    }
    for (QLineEdit* field : entryFields_) {
        field->setToolTip(tip.arg(field->property("fileUnits").toString()));
    }
}

void ExactValuesPanel::showEntity(int32_t index) {
    const EditorState& s = form_.state();
    const Entity& e = s.work.workEntities[index - 1];
    shownEntity_ = index;
    using F = EntityField;
    const auto point = [this](F xField, F yField, double x, double y, int fileX, int fileY) {
        setValue(entityField(xField), cells(cellsOfX(x)), QString::number(fileX));
        setValue(entityField(yField), cells(cellsOfY(y)), QString::number(fileY));
    };
    point(F::StartX, F::StartY, e.x1, e.y1, roundedFileX(e.x1), roundedFileY(e.y1));
    point(F::EndX, F::EndY, e.x2, e.y2, roundedFileX(e.x2), roundedFileY(e.y2));
    showColour(e.colour, true);
    if (!e.isArc) {
        kind_->setText(text(LineString));
        length_->setText(cells(cellsOfLength(LineLength(e))));
        captions_[Angle]->setText(text(AngleString));
        angle_->setText(degrees(LineAngle(e)));
        showRows({Kind, Start, End, Colour, Length, Angle});
        return;
    }
    kind_->setText(text(ArcString));
    point(F::CentreX, F::CentreY, e.centreX, e.centreY, roundHalfEven(toFileX(e.centreX)),
          roundHalfEven(toFileY(e.centreY)));
    const double radius = ArcRadius(e);
    setValue(entityField(F::Radius), cells(cellsOfLength(radius)),
             QString::number(roundHalfEven(toFileLength(static_cast<float>(radius)))));
    // Longer or shorter, or for halves the direction of the sweep from the start.
    const bool halves = CentreOnChord(e);
    const int first = ShorterArcString + (halves ? 2 : 0);
    whichArc_->clear();
    whichArc_->addItem(text(first));
    whichArc_->addItem(text(first + 1));
    const bool fullCircle = e.x1 == e.x2 && e.y1 == e.y2;
    if (fullCircle) {
        whichArc_->clear();
        whichArc_->addItem(text(FullCircleString));
    }
    whichArc_->setCurrentIndex(fullCircle ? 0 : e.arcFlag != 0 ? 1 : 0);
    whichArc_->setEnabled(!fullCircle);
    length_->setText(cells(cellsOfLength(ArcLength(e))));
    captions_[Angle]->setText(text(SweepString));
    angle_->setText(degrees(ArcSweepAngle(e)));
    showRows({Kind, Start, End, Centre, Radius, WhichArc, Colour, Length, Angle});
}

void ExactValuesPanel::showSelection(int count) {
    const EditorState& s = form_.state();
    kind_->setText(text(SeveralString));
    count_->setText(QString::number(count));
    int32_t common = 0;
    bool same = true;
    for (int i = 1; i <= count; ++i) {
        const int32_t index = selectedItem(s.selection, i);
        if (index < 1 || index > s.work.workEntityCount) {
            continue;
        }
        const int32_t colour = s.work.workEntities[index - 1].colour;
        same = same && (common == 0 || colour == common);
        common = colour;
    }
    showColour(common, same);
    showRows({Kind, Count, Colour});
}

void ExactValuesPanel::showEntry() {
    const EditorState& s = form_.state();
    const LibraryEntry& entry = s.work.workEntry;
    kind_->setText(text(EntryString));
    if (s.library.libraryKind == LibraryKind::LineType) {
        baseLine_->setText(cells(cellsOfY(BaseLineY)));
        showRows({Kind, BaseLine});
        return;
    }
    setValue(entryField(EntryField::OriginX), cells(cellsOfX(entry.originX)),
             QString::number(roundedFileX(entry.originX)));
    setValue(entryField(EntryField::OriginY), cells(cellsOfY(entry.originY)),
             QString::number(roundedFileY(entry.originY)));
    setValue(entryField(EntryField::SizeRadius), cells(cellsOfLength(entry.sizeRadius)),
             QString::number(roundHalfEven(toFileLength(static_cast<float>(entry.sizeRadius)))));
    showRows({Kind, Origin, SizeRadius});
}

// Colours are set only while the entry uses them, as with the colour boxes.
void ExactValuesPanel::showColour(int32_t colour, bool common) {
    colour_->setCurrentIndex(common && colour >= 1 && colour <= ColourBoxCount ? colour - 1 : -1);
    colour_->setEnabled(form_.state().work.workEntry.useColours != 0);
}

void ExactValuesPanel::applyEntityField(EntityField field) {
    const int32_t index = shownEntity_;
    const std::string typed = entityField(field)->text().toStdString();
    EditRefusal refusal = EditRefusal::None;
    form_.runHandler(
        [&](EditContext& ctx) { refusal = editEntityField(ctx, index, field, typed); });
    warn(refusal);
}

void ExactValuesPanel::applyEntryField(EntryField field) {
    const std::string typed = entryField(field)->text().toStdString();
    EditRefusal refusal = EditRefusal::None;
    form_.runHandler([&](EditContext& ctx) { refusal = editEntryField(ctx, field, typed); });
    warn(refusal);
}

// A refused value is named in a warning; the field then shows the value it had.
void ExactValuesPanel::warn(EditRefusal refusal) {
    int message = 0;
    switch (refusal) {
        case EditRefusal::None:
            refresh();
            return;
        case EditRefusal::NotANumber:
            message = NotANumberString;
            break;
        case EditRefusal::OffArea:
            message = OffAreaString;
            break;
        case EditRefusal::NoCentre:
            message = NoCentreString;
            break;
    }
    refresh();
    form_.ui().showMessage(form_.strings().loadText(message),
                           form_.strings().loadText(WarningCaptionString), MessageIcon::Warning,
                           MessageButtons::Ok);
    refresh();
}
