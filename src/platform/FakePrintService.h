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

    std::unique_ptr<QPrinter> RunPrintDialog(QWidget* parent) override;

    std::string pdfPath;  // host path of the PDF to write
    int resolution = 300;
    bool cancel = false;
    int requests = 0;

private:
    IPrintService* m_previous;
};

}  // namespace platform
