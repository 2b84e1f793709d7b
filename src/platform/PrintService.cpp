// SPDX-License-Identifier: MIT
// The print dialog through Qt, or a PDF file where no printer is installed.
#include "platform/PrintService.h"

#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace platform {

std::unique_ptr<QPrinter> DesktopPrintService::RunPrintDialog(QWidget* parent, unsigned flags) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!HasPrinter()) {
        const QString file = ChoosePdfFile(parent);
        if (file.isEmpty()) {
            return nullptr;
        }
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(file);
        return printer;
    }
    QPrintDialog dialog(printer.get(), parent);
    if (flags & PD_NOPAGENUMS) {
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    }
    if (flags & PD_HIDEPRINTTOFILE) {
        dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return nullptr;
    }
    return printer;
}

bool DesktopPrintService::HasPrinter() const {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

QString DesktopPrintService::ChoosePdfFile(QWidget* parent) {
    QFileDialog dialog(parent, QString::fromLatin1(kPdfCaption), QDir::homePath(),
                       QStringLiteral("PDF files (*.pdf)"));
    dialog.setObjectName(QStringLiteral("pdfFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(QStringLiteral("Math Quizlex.pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return dialog.selectedFiles().front();
}

namespace {

DesktopPrintService g_desktop;
IPrintService* g_service = &g_desktop;

}  // namespace

IPrintService& PrintService() {
    return *g_service;
}

IPrintService* InstallPrintService(IPrintService* service) {
    IPrintService* previous = g_service == &g_desktop ? nullptr : g_service;
    g_service = service ? service : &g_desktop;
    return previous;
}

}  // namespace platform
