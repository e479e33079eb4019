#include "common/widgets/run_pool.h"

#include <QThread>
#include <QThreadPool>
#include <algorithm>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace korrimet {
namespace {

// Each window holds at most one run, a run one thread of this pool (its
// cells go to threads of their own), so a few threads a core leave room
// for every window's run, a viewer's read and a copy at once.
struct Pool : QThreadPool {
    Pool() {
        setMaxThreadCount(std::max(2 * QThread::idealThreadCount(), 8));
#ifdef __GLIBC__
        // glibc raises its mapping threshold to the size of each mapped
        // block freed, so the next run's text would land in a worker's heap,
        // where freed megabytes stay with the process. A fixed threshold
        // gives a run's buffers back to the system once its result closes.
        mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
    }
};

}  // namespace

QThreadPool& RunPool() {
    static Pool pool;
    return pool;
}

}  // namespace korrimet
