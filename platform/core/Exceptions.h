#pragma once
// The exceptions that file and archive code throws. Documents catch them on
// loading and saving; they carry a cause and, where known, the file name.
#include <stdexcept>
#include <string>

class CException : public std::runtime_error {
public:
    explicit CException(const std::string& what) : std::runtime_error(what) {}
    ~CException() override;
};

class CArchiveException : public CException {
public:
    enum Cause {
        none = 0,
        genericException = 1,
        readOnly = 2,
        endOfFile = 3,
        writeOnly = 4,
        badIndex = 5,
        badClass = 6,
        badSchema = 7,
        bufferFull = 8,
    };
    explicit CArchiveException(Cause cause, const std::string& fileName = {}, const std::string& detail = {});
    ~CArchiveException() override;

    Cause m_cause;
    std::string m_strFileName;
};

class CFileException : public CException {
public:
    enum Cause {
        none = 0,
        genericException = 1,
        fileNotFound = 2,
        badPath = 3,
        tooManyOpenFiles = 4,
        accessDenied = 5,
        invalidFile = 6,
        removeCurrentDir = 7,
        directoryFull = 8,
        badSeek = 9,
        hardIO = 10,
        sharingViolation = 11,
        lockViolation = 12,
        diskFull = 13,
        endOfFile = 14,
    };
    CFileException(Cause cause, const std::string& fileName, int osError = 0, const std::string& detail = {});
    ~CFileException() override;

    // Maps an errno value to the nearest cause.
    static Cause causeFromErrno(int err);

    Cause m_cause;
    std::string m_strFileName;
    int m_lOsError;
};

// Thrown when a request cannot be satisfied for lack of memory or because a
// stored count asks for an absurd amount.
class CMemoryException : public CException {
public:
    CMemoryException() : CException("out of memory") {}
    ~CMemoryException() override;
};
