#pragma once

namespace korrimet::air_guideline {

enum class SiteLocation { Rural, Urban };

}  // namespace korrimet::air_guideline
