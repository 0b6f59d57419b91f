#include "platform/core/Exceptions.h"

#include <cerrno>
#include <cstring>

CException::~CException() = default;
CMemoryException::~CMemoryException() = default;

namespace {
std::string archiveText(CArchiveException::Cause cause) {
    switch (cause) {
    case CArchiveException::none: return "no error";
    case CArchiveException::genericException: return "archive error";
    case CArchiveException::readOnly: return "archive is read-only";
    case CArchiveException::endOfFile: return "unexpected end of data";
    case CArchiveException::writeOnly: return "archive is write-only";
    case CArchiveException::badIndex: return "bad index in archive";
    case CArchiveException::badClass: return "unknown class in archive";
    case CArchiveException::badSchema: return "bad data format";
    case CArchiveException::bufferFull: return "archive buffer full";
    }
    return "archive error";
}

std::string joinWhat(std::string text, const std::string& fileName, const std::string& detail) {
    if (!detail.empty()) text += ": " + detail;
    if (!fileName.empty()) text += " (" + fileName + ")";
    return text;
}
} // namespace

CArchiveException::CArchiveException(Cause cause, const std::string& fileName, const std::string& detail)
    : CException(joinWhat(archiveText(cause), fileName, detail)), m_cause(cause), m_strFileName(fileName) {}

CArchiveException::~CArchiveException() = default;

CFileException::CFileException(Cause cause, const std::string& fileName, int osError, const std::string& detail)
    : CException(joinWhat(osError ? std::string(std::strerror(osError)) : std::string("file error"), fileName,
                          detail)),
      m_cause(cause), m_strFileName(fileName), m_lOsError(osError) {}

CFileException::~CFileException() = default;

CFileException::Cause CFileException::causeFromErrno(int err) {
    switch (err) {
    case 0: return none;
    case ENOENT: return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG: return badPath;
    case EMFILE:
    case ENFILE: return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS: return accessDenied;
    case EISDIR: return invalidFile;
    case ENOSPC:
    case EDQUOT: return diskFull;
    case EAGAIN: return lockViolation;
    case EIO: return hardIO;
    default: return genericException;
    }
}
