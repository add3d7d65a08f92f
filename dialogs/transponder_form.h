// The controls both transponder forms share: the symbol rate and the three ids, and the polarisation and
// FEC buttons (a group may show no button checked).
#pragma once

#include <QtWidgets/QLineEdit>

#include "dialogs/form_helpers.h"
#include "dialogs/transponder_fields.h"

namespace vizud {

struct TransponderForm {
    QLineEdit* symbolRate;
    QLineEdit* tsId;
    QLineEdit* networkId;
    QLineEdit* originalNetworkId;
    form::Buttons polarisation;
    form::Buttons fec;

    template <typename Ui>
    static TransponderForm of(Ui& ui) {
        return {ui.symbolRateEdit,
                ui.tsIdEdit,
                ui.networkIdEdit,
                ui.originalNetworkIdEdit,
                {ui.polarisation0, ui.polarisation1, ui.polarisation2, ui.polarisation3},
                {ui.fec0, ui.fec1, ui.fec2, ui.fec3, ui.fec4, ui.fec5}};
    }

    void show(const TransponderFields& fields) const {
        symbolRate->setText(form::text(fields.symbolRate));
        tsId->setText(form::text(fields.tsId));
        networkId->setText(form::text(fields.networkId));
        originalNetworkId->setText(form::text(fields.originalNetworkId));
        form::check(polarisation, fields.polarisation);
        form::check(fec, fields.fec);
    }

    // The control of a refused field that both forms have; null for the others.
    QWidget* fieldWidget(DialogField field) const {
        switch (field) {
            case DialogField::SymbolRate:
                return symbolRate;
            case DialogField::TsId:
                return tsId;
            case DialogField::NetworkId:
                return networkId;
            case DialogField::OriginalNetworkId:
                return originalNetworkId;
            default:
                return nullptr;
        }
    }

    void take(TransponderFields& fields) const {
        fields.symbolRate = form::text(symbolRate->text());
        fields.tsId = form::text(tsId->text());
        fields.networkId = form::text(networkId->text());
        fields.originalNetworkId = form::text(originalNetworkId->text());
        fields.polarisation = form::checked(polarisation);
        fields.fec = form::checked(fec);
    }
};

}  // namespace vizud
