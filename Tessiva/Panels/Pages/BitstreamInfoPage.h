#pragma once

#include "Tessiva/Panels/Pages/DevicePage.h"
#include "Toolkit/Controls/ControlBinder.h"

#include <memory>

class Win32CheckBoxObserver;
class Win32ComboBoxObserver;

namespace Platform
{
class DialogTemplate;
class Resources;
}

// The "Bitstream Info" page of every front panel: the mix levels, surround
// mode, copyright and original-stream flags that the encoder writes into its
// output, and the audio production information. Each control follows its
// parameter's availability, so the coding mode's rules show here.
class BitstreamInfoPage : public DevicePage
{
public:
    static constexpr unsigned templateId = 111;
    static constexpr unsigned labelStringId = 111;
    static constexpr int copyrightBitId = 1120;
    static constexpr int originalBitstreamId = 1121;
    static constexpr int infoExistsId = 1112;
    static constexpr int centerMixLevelId = 1107;
    static constexpr int surroundMixLevelId = 1108;
    static constexpr int surroundModeId = 1109;
    static constexpr int mixLevelId = 1113;
    static constexpr int roomTypeId = 1114;

    // The item texts of the combo boxes.
    static constexpr unsigned firstCenterMixText = 11000;
    static constexpr unsigned firstSurroundMixText = 11100;
    static constexpr unsigned firstSurroundModeText = 11200;
    static constexpr unsigned firstMixLevelText = 11300;
    static constexpr unsigned firstRoomTypeText = 11400;

    BitstreamInfoPage(const DeviceKey& aKey, CTessivaDoc* aDocument);
    ~BitstreamInfoPage() override;

    // The page's template and texts (in CommonPanelResources.cpp).
    static void addResources(Platform::Resources& aResources);
    static Platform::DialogTemplate dialogTemplate();

protected:
    void bindControls() override;

private:
    void createCheckBoxObservers();
    void createComboBoxObservers();

    // Routes the original-bitstream box, whose errors are only told.
    ControlBinder myTellingBinder{&ControlBinder::tellRefusals};
    std::unique_ptr<Win32CheckBoxObserver> myCopyrightObserver;
    std::unique_ptr<Win32CheckBoxObserver> myOriginalObserver;
    std::unique_ptr<Win32CheckBoxObserver> myInfoExistsObserver;
    std::unique_ptr<Win32ComboBoxObserver> myCenterMixObserver;
    std::unique_ptr<Win32ComboBoxObserver> mySurroundMixObserver;
    std::unique_ptr<Win32ComboBoxObserver> mySurroundModeObserver;
    std::unique_ptr<Win32ComboBoxObserver> myMixLevelObserver;
    std::unique_ptr<Win32ComboBoxObserver> myRoomTypeObserver;
};
