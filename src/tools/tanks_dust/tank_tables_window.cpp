#include "common/widgets/embedded_document.h"
#include "common/widgets/tool_registry.h"

namespace korrimet::tanks {
namespace {

// The coefficient tables that the tank-loss window's double clicks open.
// Each keeps its stored client area; the window grows by the button row.
EmbeddedDocumentForm::Layout tableLayout(int clientWidth, int clientHeight, QRect document) {
    EmbeddedDocumentForm::Layout l;
    l.kind = DocumentKind::WordProcessor;
    l.activateCaption = QStringLiteral("激活（复原）WORD文档");
    l.documentTwips = document;
    l.clientWidthTwips = clientWidth;
    l.clientHeightTwips = clientHeight;
    return l;
}

class RimSealLossFactorTable : public EmbeddedDocumentForm {
public:
    static constexpr const char* kClassName = "边圈密封损耗系数";
    static constexpr const char* kCaption = "边圈密封损耗系数 Ke";
    RimSealLossFactorTable()
        : EmbeddedDocumentForm(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption),
                               tableLayout(6660, 2355, QRect(120, 120, 6375, 2055)),
                               richTextDocument(QStringLiteral(":/tanks_dust/data/rim_seal_loss_factor.html"))) {}
};

class SealFactorTable : public EmbeddedDocumentForm {
public:
    static constexpr const char* kClassName = "mfxs";
    static constexpr const char* kCaption = "密封相关系数Kt和与密封有关的风速指数";
    SealFactorTable()
        : EmbeddedDocumentForm(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption),
                               tableLayout(5775, 4680, QRect(120, 120, 5535, 4455)),
                               richTextDocument(QStringLiteral(":/tanks_dust/data/seal_factor_wind_exponent.html"))) {}
};

class PaintFactorTable : public EmbeddedDocumentForm {
public:
    static constexpr const char* kClassName = "tlxs";
    static constexpr const char* kCaption = "表A.0.3-1 涂料系数 Fp";
    PaintFactorTable()
        : EmbeddedDocumentForm(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption),
                               tableLayout(5040, 4230, QRect(120, 120, 4815, 3975)),
                               richTextDocument(QStringLiteral(":/tanks_dust/data/paint_factor.html"))) {}
};

}  // namespace
}  // namespace korrimet::tanks

using korrimet::tanks::PaintFactorTable;
using korrimet::tanks::RimSealLossFactorTable;
using korrimet::tanks::SealFactorTable;
KORRIMET_REGISTER_TOOL(RimSealLossFactorTable);
KORRIMET_REGISTER_TOOL(SealFactorTable);
KORRIMET_REGISTER_TOOL(PaintFactorTable);
