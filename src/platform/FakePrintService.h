// SPDX-License-Identifier: MIT
// A print dialog for tests: answers with a PDF printer writing to a chosen file, or cancels.
#pragma once

#include <string>

#include "platform/PrintService.h"

namespace platform {

class FakePrintService : public IPrintService {
public:
    // Installs itself for its lifetime.
    FakePrintService();
    ~FakePrintService() override;
    FakePrintService(const FakePrintService&) = delete;
    FakePrintService& operator=(const FakePrintService&) = delete;

    std::unique_ptr<QPrinter> RunPrintDialog(QWidget* parent, unsigned flags) override;

    std::string pdfPath;  // host path of the PDF to write
    int resolution = 300;
    bool cancel = false;
    int requests = 0;
    unsigned lastFlags = 0;  // the flags of the last request

private:
    IPrintService* m_previous;
};

}  // namespace platform
