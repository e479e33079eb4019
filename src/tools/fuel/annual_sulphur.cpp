#include "tools/fuel/annual_sulphur.h"

#include "common/stores.h"

namespace korrimet::fuel {

float SulphurDioxideProduced(double coal, double sulphur) { return single(coal * 16 * sulphur); }

float SulphurDioxideEmitted(double efficiency, float produced) {
    return single((100 - efficiency) * produced / 100);
}

float Tonnes(float kilograms) { return single(kilograms / 1000.0); }

}  // namespace korrimet::fuel
