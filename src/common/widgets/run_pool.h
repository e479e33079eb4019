#pragma once

class QThreadPool;

namespace korrimet {

// The program's own threads for long runs, result-file reads and big copies.
// Qt paints frames and scaled pixmaps with tasks on its global pool: work
// held there would make every window wait to paint until it ended.
QThreadPool& RunPool();

}  // namespace korrimet
