#pragma once
#include <QString>

namespace korrimet::water {

// The river models that mix the wastewater into the river at the outfall.
inline const QString kMixingRefusedMessage =
    QStringLiteral("排放口处的完全混合浓度无法计算（污水流量与河水流量之和为0，或数值过大），请检查输入！");

}  // namespace korrimet::water
