#pragma once
// The drying and evaporation calculators: three numeric boxes one below the
// other, each after its label, read together for one computation.
#include <QColor>
#include <QLineEdit>
#include <QString>
#include <array>

#include "common/widgets/numeric_box.h"
#include "common/widgets/tool_window.h"

namespace korrimet::air_emission {

struct InputColumn {
    int top, step;        // twips
    int labelWidth;       // twips, labels start at 240
    int boxLeft, boxWidth;  // twips
    QColor color;
};

// `Label5`..`Label7` with `Text1`..`Text3`.
inline std::array<QLineEdit*, 3> placeInputColumn(FormBuilder& f, const char* const* captions,
                                                  const InputColumn& c) {
    std::array<QLineEdit*, 3> boxes;
    for (int i = 0; i < 3; ++i) {
        const int top = c.top + i * c.step;
        f.label(QString("Label%1").arg(5 + i), captions[i], 240, top + 45, c.labelWidth, 300);
        LineBox* box = f.textBox(QString("Text%1").arg(1 + i), c.boxLeft, top, c.boxWidth, 375);
        box->setFont(songti(10.5, true));
        setTextColor(box, c.color);
        attachNumericBox(box);
        boxes[i] = box;
    }
    return boxes;
}

}  // namespace korrimet::air_emission
