#include "OutputFile.h"

COutputFile::~COutputFile() {
    if (m_bOwnsFile && m_pFile != nullptr) {
        std::fclose(m_pFile);
    }
}

bool COutputFile::Open(const std::string& path, std::FILE* out) {
    if (path == "-") {
        m_pFile = out;
        return true;
    }
    m_pFile = std::fopen(path.c_str(), "wb");
    m_bOwnsFile = m_pFile != nullptr;
    return m_bOwnsFile;
}

bool COutputFile::Write(std::string& buffer) {
    m_bOk = std::fwrite(buffer.data(), 1, buffer.size(), m_pFile) == buffer.size() && m_bOk;
    buffer.clear();
    return m_bOk;
}

bool COutputFile::Finish() {
    m_bOk = std::fflush(m_pFile) == 0 && m_bOk;
    if (m_bOwnsFile) {
        m_bOk = std::fclose(m_pFile) == 0 && m_bOk;
        m_bOwnsFile = false;
    }
    m_pFile = nullptr;
    return m_bOk;
}
