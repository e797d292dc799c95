#include "UniformitySteps.h"
#include "Texts.h"

namespace {

const int regionCounts[] = {3, 5, 9};

} // namespace

const ParamSteps uniformitySteps = {
    {128, 3}, regionCounts, sizeof regionCounts / sizeof regionCounts[0], &UniformityLabel};

std::wstring UniformityLabel(const PatternParams& params) {
    return FormatText(IDS_UNIFORMITY_LABEL, {LevelLabel(params.level), Number(params.size)});
}
