#include "common/system_reason.h"

#include <cerrno>

namespace korrimet {

std::string SystemReason(int error) {
    switch (error) {
        case EACCES:
        case EPERM: return "没有访问权限";
        case ENOENT: return "文件或文件夹不存在";
        case ELOOP: return "符号链接层数过多（可能是链接循环）";
        case ENAMETOOLONG: return "路径过长";
        case ENOTDIR: return "路径中有一级不是文件夹";
        case EISDIR: return "这是一个文件夹，不是文件";
        case EEXIST: return "已有同名的文件";
        case ENOSPC: return "磁盘空间不足";
        case EDQUOT: return "超出磁盘配额";
        case EROFS: return "文件系统是只读的";
        case EFBIG: return "文件过大";
        case EIO: return "读写设备出错";
        case ENOMEM: return "内存不足";
        case EMFILE:
        case ENFILE: return "打开的文件过多";
        case EBUSY:
        case ETXTBSY: return "文件正被占用";
        case EXDEV: return "不能跨文件系统移动文件";
        default: return "系统错误（错误码" + std::to_string(error) + "）";
    }
}

}  // namespace korrimet
