#include "common/widgets/run_pool.h"

#include <QThread>
#include <QThreadPool>
#include <algorithm>

namespace korrimet {
namespace {

// Each window holds at most one run, a run one thread of this pool (its
// cells go to threads of their own), so a few threads a core leave room
// for every window's run, a viewer's read and a copy at once.
struct Pool : QThreadPool {
    Pool() { setMaxThreadCount(std::max(2 * QThread::idealThreadCount(), 8)); }
};

}  // namespace

QThreadPool& RunPool() {
    static Pool pool;
    return pool;
}

}  // namespace korrimet
