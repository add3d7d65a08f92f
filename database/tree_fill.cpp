// Filling the tree pane: favourite lists, providers, satellites with their transponders.
#include <cstdio>

#include "database/channel_database.h"
#include "database/image_access.h"

namespace vizud {
namespace {

char polarizationLetter(std::uint8_t polarization) {
    switch (polarization) {
        case 0: return 'H';
        case 1: return 'V';
        case 2: return 'L';
        default: return 'R';
    }
}

}  // namespace

int ChannelDatabase::fillTree(TreeBuilder& tree) const {
    const all_tables_block& img = m_state.image;
    const TreeBuilder::Node favourites = tree.root(TreeBuilder::Root::Favourites);
    for (const st_fav& list : img.favourites) {
        tree.appendChild(favourites, nameText(list.favName));
    }

    const TreeBuilder::Node providers = tree.root(TreeBuilder::Root::Providers);
    const int providerTotal = providerCount(img);
    for (int i = 0; i < providerTotal; ++i) {
        tree.appendChild(providers, nameText(img.providers[i].name));
    }

    const TreeBuilder::Node satellites = tree.root(TreeBuilder::Root::Satellites);
    const int satTotal = satelliteCount(img);
    const int tpTotal = transponderCount(img);
    for (int s = 0; s < satTotal; ++s) {
        const st_sat& sat = img.satellites[s];
        const TreeBuilder::Node satNode = tree.appendChild(satellites, nameText(sat.name));
        bool any = false;
        for (int t = 0; t < tpTotal; ++t) {
            const st_ts& tp = img.transponders[t];
            if (tp.satId != sat.satId) continue;
            char label[16];
            std::snprintf(label, sizeof(label), "%d(%c)", tp.frequency, polarizationLetter(tp.polarization));
            tree.appendChild(satNode, label);
            any = true;
        }
        if (!any) {
            tree.appendChild(satNode, "Empty");
        }
    }
    return 0;
}

void ChannelDatabase::appendNewestProviderNode(TreeBuilder& tree) const {
    const all_tables_block& img = m_state.image;
    const int count = providerCount(img);
    if (count == 0) return;
    const std::string newest = nameText(img.providers[count - 1].name);
    const TreeBuilder::Node providers = tree.root(TreeBuilder::Root::Providers);
    const TreeBuilder::Node last = tree.lastChild(providers);
    if (last == TreeBuilder::kNoNode || tree.text(last) != newest) {
        tree.appendChild(providers, newest);
    }
}

}  // namespace vizud
