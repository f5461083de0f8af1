#include "printing/JoinedPageDevice.h"

bool JoinedPageDevice::beginDocument(int orientation) {
    if (!m_started) {
        if (!m_inner->beginDocument(orientation)) return false;
        m_started = true;
    } else if (m_pending) {
        m_inner->newPage();
    }
    m_pending = false;
    return true;
}

bool JoinedPageDevice::endDocument() {
    if (m_started) m_pending = true;
    return true;
}

bool JoinedPageDevice::finish() {
    bool ok = true;
    if (m_started) ok = m_inner->endDocument();
    m_started = m_pending = false;
    return m_inner->finish() && ok;
}
