#include "common/widgets/embedded_document.h"
#include "common/widgets/tool_registry.h"

namespace korrimet::dust {
namespace {

// The stored word-processor document that collects the dust methods.
EmbeddedDocumentForm::Layout methodsLayout() {
    EmbeddedDocumentForm::Layout l;
    l.kind = DocumentKind::WordProcessor;
    l.activateCaption = QStringLiteral("激活（复原）WORD文档");
    l.documentTwips = QRect(150, 120, 8655, 6015);
    l.clientWidthTwips = 8955;
    l.clientHeightTwips = 7080;
    return l;
}

class DustMethodsDocument : public EmbeddedDocumentForm {
public:
    static constexpr const char* kClassName = "相关起尘量计算的资料";
    static constexpr const char* kCaption = "相关起尘量计算的资料";
    DustMethodsDocument()
        : EmbeddedDocumentForm(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), methodsLayout(),
                               richTextDocument(QStringLiteral(":/dust/data/dust_methods.html"))) {}
};

}  // namespace
}  // namespace korrimet::dust

using korrimet::dust::DustMethodsDocument;
KORRIMET_REGISTER_TOOL(DustMethodsDocument);
