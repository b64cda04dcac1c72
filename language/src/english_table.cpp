// The English string tables compiled into the library. They answer every lookup when no language
// file is installed, and they are the reference a translation is checked against.
//
// Table 1 holds the interface texts; table 2 holds tooltip texts and the short names and phrases
// that are put into the %s of a table-1 pattern. Rows are kept in ascending id order (checked
// below at compile time); the comments name where a run of strings appears.
#include "english_table.h"

#include <cstddef>

namespace language {
namespace {

// clang-format off
constexpr BuiltinString kTable1[] = {
    // Product name: caption of secondary windows, title of ordinary hints, placeholder labels
    {1, L"Wembrix"},
    {2, L"Wembrix Video Chat"},

    // Dialog: connection problem
    {3, L"Connection Problem"},
    {4, L"Wembrix could not sign you in."},
    {5, L"The server did not respond in time."},
    {9, L"Read the troubleshooting guide"},
    {10, L"What you can do:"},

    // Main window: the row of five picture buttons
    {11, L"Call"},
    {12, L"Add"},
    {13, L"Video"},
    {14, L"Chat"},
    {15, L"Files"},

    // Main window: the two tab buttons
    {18, L"Contacts"},
    {19, L"History"},

    // Font face of the information bars and of text measurement
    {20, L"DejaVu Sans"},

    // Main window: sign-in options (two-state text buttons)
    {21, L"Remember password"},
    {22, L"Sign in at start"},
    {23, L"Start at log-on"},

    // Main window: sign-in panel
    {24, L"New user? Sign up"},
    {25, L"Cancel"},
    {26, L"Sign In"},
    {27, L"Connection settings"},
    {28, L"Name:"},
    {29, L"Passwd:"},

    // Dialogs: captions, labels and messages
    {31, L"Verification"},
    {32, L"Enter the verification code:"},
    {33, L"New Contact"},
    {34, L"Name or e-mail:"},
    {35, L"Rename Contact"},
    {36, L"Rename Group"},
    {37, L"New name:"},
    {38, L"Join a Group Call"},
    {39, L"Group name:"},
    {40, L"Save Conversation"},
    {41, L"Save this conversation before closing?"},
    {42, L"Remove Contact"},
    {43, L"Remove this contact from your list?"},
    {44, L"Do you want to end the current call?"},
    {47, L"Block Contact"},
    {48, L"Block this contact from reaching you?"},
    {49, L"Delete History"},
    {50, L"Delete your conversation history?"},
    {51, L"You were signed out: your account signed in elsewhere."},

    // Main menu: bar, File, Tools, Call and Help
    {300, L"&File"},
    {301, L"&Sign Out"},
    {303, L"&Close"},
    {304, L"E&xit"},
    {312, L"&Tools"},
    {313, L"&Always on Top"},
    {314, L"Show Contact &Pictures"},
    {315, L"Show Offli&ne Contacts"},
    {316, L"&Mute Sounds"},
    {317, L"Show Call &Bar"},
    {319, L"&Hide When Minimized"},
    {320, L"&Options..."},
    {321, L"&Run at Startup"},
    {322, L"&Call"},
    {323, L"&Call Contact"},
    {324, L"&Video Call"},
    {325, L"&Hang Up"},
    {326, L"&Help"},
    {327, L"&Frequently Asked Questions"},
    {328, L"Check for &Updates"},
    {329, L"&Report a Problem"},
    {330, L"&Privacy Statement"},
    {332, L"&About Wembrix"},

    // Conversation window menus: bar and submenus
    {333, L"&Conversation"},
    {334, L"&Invite Someone..."},
    {335, L"Send a &File..."},
    {336, L"&Save Conversation..."},
    {337, L"&Close"},
    {338, L"&Edit"},
    {339, L"&Undo"},
    {340, L"Cu&t"},
    {341, L"&Copy"},
    {342, L"&Paste"},
    {343, L"&Delete"},
    {344, L"Select &All"},
    {345, L"&View"},
    {346, L"&Full Screen"},
    {347, L"Show &My Video"},
    {348, L"Show &Toolbar"},
    {349, L"Video &Size"},
    {350, L"&Picture in Picture"},
    {351, L"&Actions"},
    {353, L"Take a &Snapshot"},
    {354, L"&Record Video"},
    {357, L"Audio &Settings..."},
    {359, L"&Echo Cancellation"},
    {360, L"&Options..."},
    {361, L"&Help"},
    {362, L"&Help Topics"},
    {363, L"&Troubleshoot Audio and Video"},
    {364, L"Show &Emoticons"},

    // Main menu, Tools
    {365, L"Sort by &Status"},

    // Conversation window menu: video size submenu, and text chat actions
    {400, L"&Small"},
    {401, L"&Medium"},
    {402, L"&Large"},
    {404, L"&Fit to Window"},
    {405, L"&Font..."},
    {406, L"&Emoticons..."},
    {408, L"&Background..."},
    {409, L"&Winks..."},
    {410, L"&Clear Window"},
    {411, L"&Block Contact"},

    // Video conversation window: picture buttons
    {412, L"Video On"},
    {413, L"Video Off"},
    {414, L"Invite"},
    {417, L"Snapshot"},
    {418, L"Block"},
    {419, L"Video"},
    {420, L"Send File"},

    // Conversation windows: control bar
    {423, L"Smileys"},
    {424, L"Font"},
    {425, L"Send"},

    // My video window, and the video panel of the chat window
    {432, L"My Video"},
    {434, L"Pause video"},
    {436, L"Camera is off"},
    {437, L"Starting your camera..."},
    {438, L"Your video"},
    {439, L"Status:"},
    {440, L"No video"},
    {441, L"Video paused"},
    {442, L"Resume"},
    {443, L"Get help"},
    {444, L"Your contacts cannot see you right now."},
    {445, L"Camera not working?"},
    {446, L"Conversation"},

    // Common buttons
    {488, L"Retake"},
    {489, L"OK"},
    {490, L"Cancel"},

    // Directory window
    {600, L"Wembrix Directory"},
    {601, L"Home"},
    {602, L"Back"},
    {603, L"Forward"},
    {604, L"Browse"},
    {605, L"Help"},
    {638, L"Loading the directory, please wait..."},

    // Common buttons
    {664, L"No"},
    {665, L"Yes"},

    // Directory window
    {678, L"The directory is not available right now."},

    // Tip dialogs
    {680, L"Wembrix Tip"},
    {682, L"You can drag a contact from your list into a conversation window to invite them to the call."},
    {683, L"Press F11 during a video call to switch to full screen. Press it again to return to the window."},
    {684, L"Double-click a contact to start a conversation, or click the Video button to call them with video."},
    {685, L"If your contact cannot hear you, check that your microphone is plugged in and not muted, then open Audio Settings from the Actions menu and run the sound test. A headset gives the best sound and avoids echo."},

    // Caps Lock balloon on password and name fields (title; the text is in table 2)
    {700, L"Caps Lock is On"},

    // Sign-in forms
    {709, L"Confirm Your Identity"},
    {710, L"Change Password"},
    {711, L"Wembrix name:"},
    {712, L"Current password:"},
    {713, L"New password:"},
    {714, L"Password:"},

    // Dialogs: check boxes, messages and options
    {741, L"Don't show this message again"},
    {742, L"Closing this window will end your call. Do you want to continue?"},
    {743, L"Don't ask me again"},
    {744, L"Send a File"},
    {745, L"Type the path of the file to send:"},
    {746, L"Or choose a file:"},
    {747, L"Browse..."},

    // Main window: start page
    {753, L"What would you like to do?"},
    {754, L"Find people"},
    {755, L"Make a video call"},
    {756, L"Open my contacts"},
    {757, L"Send a message"},
    {758, L"Forgot password?"},

    // Dialogs: call failed, update, connection details
    {760, L"Please Confirm"},
    {761, L"The call could not be connected. What would you like to do?"},
    {762, L"Try again with %s"},
    {763, L"Send a message instead"},
    {764, L"Leave a video message"},
    {765, L"What is this?"},
    {766, L"Start a new group"},
    {767, L"Update Available"},
    {768, L"%s: update ready."},
    {769, L"Run a connection test"},
    {772, L"Connection type:"},
    {773, L"Connection quality:"},

    // Main window: sign-in progress
    {774, L"Signing in..."},

    // Dialogs: messages
    {776, L"Your camera is in use by another program. Do you want Wembrix to use it anyway? The other program may stop showing video."},
    {784, L"You are about to send a file to someone you have not talked to before. Files can carry harmful software, so send files only to people you know. Do you want to continue?"},
    {800, L"Find a Contact"},
    {801, L"Enter Password"},
    {819, L"Some of your contacts could not be loaded. Do you want to try loading them again now?"},
    {820, L"(change this in %s)"},
    {821, L"Don't ask again"},

    // Conversation windows: control bar
    {822, L"Options"},
    {823, L"Call"},
    {824, L"Show video"},

    // Chat window: video panel
    {843, L"Your contact has not turned on a camera."},
    {844, L"Open"},
    {845, L"No camera was found on this computer."},

    // Notice window
    {860, L"Wembrix Alert"},
    {861, L"A contact is trying to reach you. Open the conversation to reply."},

    // Dialogs: messages
    {862, L"You have unsent messages in this conversation. Close the window anyway?"},
    {869, L"Stop sharing your screen?"},
    {870, L"Do you want to turn on your camera for this call?"},
    {871, L"Do you want to leave the group call?"},

    // Snapshot panel
    {907, L"Send this snapshot to your contact?"},

    // Common buttons
    {908, L"Close"},

    // Dialogs: messages
    {935, L"to set up your camera."},
    {1093, L"Save the changes to your profile first?"},
    {1094, L"Your profile has been updated."},
    {1096, L"Your invitation has been sent."},

    // Chat window: video panel
    {1100, L"Video is not available."},

    // Dialogs: messages
    {1111, L"The file you are about to receive may contain a virus or other harmful software. Accept files only from people you trust."},
    {1117, L"Accept video calls from people not in your contacts?"},

    // Name fields with a list of recent entries
    {1413, L"Wembrix name"},
    {1414, L"Recent groups"},

    // Dialog captions
    {1417, L"Connection Details"},

    // Main menu, Tools and Help
    {1426, L"Audio and &Video Setup..."},
    {1427, L"Sign Out"},
    {1429, L"&Keyboard Shortcuts"},

    // Add a contact: menu entry (an ellipsis is appended there) and dialog caption
    {1487, L"Add a Contact"},

    // Main window: personal message link
    {1489, L"Type a personal message"},

    // Main menu: language submenu
    {1491, L"Change Lan&guage"},
    {1494, L"&More Languages..."},
    {1503, L"&Help Translate Wembrix..."},

    // Connection problem dialog: options with a name put in
    {1513, L"Check your %s"},
    {1514, L"Change your %s"},

    // Invite dialog
    {1521, L"Invite a Friend"},
    {1522, L"Your friend's e-mail:"},
    {1523, L"Preview the invitation"},

    // Information bars; the three welcome texts also appear unformatted in the My video window
    {1528, L"Welcome to %s"},
    {1529, L"[[help|Tour %s]]."},
    {1530, L"[[update|Update %s]]."},
    {1531, L"New: %s in conversations."},
    {1532, L"[[fullscreen|Try it now]]"},
    {1533, L"Tip: %s reduces echo."},
    {1534, L"[[settings|Check %s]] before your next call."},

    // Camera not found dialog
    {1535, L"Camera Not Found"},
    {1536, L"Wembrix Video Chat could not find a camera on this computer."},
    {1537, L"Need help with your camera?"},
    {1538, L"Run the camera setup"},

    // Update and driver notices
    {1554, L"A new version of Wembrix Video Chat is available."},
    {1555, L"Install it now"},
    {1556, L"Don't remind me again"},
    {1558, L"Wembrix Video Chat found a problem with your camera driver. Video calls may not work properly until the driver is updated. Visit the web site of your camera's maker to get the latest driver."},

    // Video conversation window
    {1565, L"Unmute"},
    {1567, L"Share Scree&n"},
    {1568, L"Mute"},

    // Dialogs: messages
    {1606, L"Your contact is calling from an older version of Wembrix, so some features may not work. Answer the call anyway?"},
    {1607, L"Recording this call saves it on your computer. Make sure your contact agrees. Start recording now?"},

    // Chat window menu
    {1630, L"&Report Abuse..."},

    // Microphone notice
    {1633, L"Your microphone seems to be muted in the system settings. Others may not hear you."},

    // Hints of buttons in the main window and the conversation windows
    {2000, L"Start a video call"},
    {2003, L"Start sending your video"},
    {2004, L"Stop sending your video"},
    {2005, L"Take a snapshot of the video"},
    {2006, L"Block this contact"},
    {2010, L"Send the snapshot to your contact"},
    {2011, L"Discard the snapshot"},
    {2018, L"Add a contact to your list"},
    {2019, L"Video-call the selected contact"},
    {2020, L"Send an instant message"},
    {2021, L"Send a file to a contact"},
    {2025, L"You are viewing your contacts"},
    {2026, L"You are viewing your conversation history"},
    {2029, L"Forget the saved password"},
    {2030, L"Sign in automatically when Wembrix starts"},
    {2031, L"Stop signing in automatically"},
    {2032, L"Start Wembrix when you log on"},
    {2033, L"Do not start Wembrix when you log on"},
    {2043, L"Call one of your contacts with video"},
    {2044, L"Show your contact list"},
    {2045, L"Write to one of your contacts"},
    {2046, L"Hide the video options"},
    {2047, L"Hide this panel"},
    {2048, L"Show the display picture"},
    {2052, L"Share a picture"},
    {2053, L"Play a sound"},
    {2054, L"Show the video"},

    // Notice window: link caption
    {2056, L"Open conversation"},

    // Hints
    {2057, L"Close this notice"},
    {2059, L"Show the conversation options"},
    {2066, L"Change the font"},
    {2069, L"Send a file"},
    {2071, L"Resume your video"},
    {2074, L"Turn the speaker on"},
    {2076, L"Send a wink"},
    {2077, L"Turn your microphone back on"},
    {2078, L"Mute your microphone"},
};

constexpr BuiltinString kTable2[] = {
    // Font face of every text element
    {20, L"DejaVu Sans"},

    // Argument of the main window's information bar texts
    {449, L"Wembrix"},

    // Caps Lock balloon text
    {701, L"Caps Lock is on. Text you type will be in capital letters."},

    // Hints of dialog links
    {765, L"Learn more about this"},
    {766, L"Create a new group call instead"},

    // Names put into table-1 patterns
    {1106, L"Wembrix Video Chat"},
    {1131, L"voice only"},
    {1132, L"Options"},
    {1515, L"proxy settings"},
    {1516, L"network connection"},

    // Invite dialog: hint of the preview link
    {1523, L"See what your friend will receive"},

    // Names put into the information bar patterns
    {1549, L"full-screen video"},
    {1550, L"a headset"},
    {1551, L"your audio settings"},

    // Hints
    {2009, L"Take the snapshot again"},
    {2015, L"Resume sending your video"},
    {2016, L"Open the camera troubleshooter"},
    {2017, L"Call the selected contact"},
    {2024, L"Show your contacts"},
    {2027, L"Show your conversation history"},
    {2028, L"Save your password on this computer"},
    {2034, L"Create a free Wembrix account"},
    {2035, L"Reset your password"},
    {2036, L"Stop signing in"},
    {2037, L"Sign in with this name and password"},
    {2038, L"Set up a proxy or change how you connect"},
    {2039, L"Change your status"},
    {2042, L"Search the Wembrix directory"},
    {2046, L"Show the video options"},
    {2050, L"Send a nudge"},
    {2051, L"Enlarge the video"},
    {2055, L"Set up your camera"},
    {2056, L"Open the conversation window"},
    {2060, L"Start a voice call"},
    {2061, L"Show the contact's profile"},
    {2062, L"Turn the speaker off"},
    {2063, L"Change the speaker volume"},
    {2064, L"Show or hide the video area"},
    {2065, L"Insert an emoticon"},
    {2067, L"Send your message"},
    {2068, L"Invite someone to this conversation"},
    {2070, L"Pause your video"},
    {2075, L"Tell your contacts what you are up to"},
};
// clang-format on

// Lookups search the tables by id, so every table must be strictly ascending.
template <std::size_t N>
constexpr bool StrictlyAscending(const BuiltinString (&table)[N]) {
  for (std::size_t i = 1; i < N; ++i) {
    if (table[i - 1].id >= table[i].id) return false;
  }
  return true;
}

static_assert(StrictlyAscending(kTable1), "table 1 ids must be ascending and unique");
static_assert(StrictlyAscending(kTable2), "table 2 ids must be ascending and unique");

}  // namespace

std::span<const BuiltinString> EnglishTable1() { return kTable1; }
std::span<const BuiltinString> EnglishTable2() { return kTable2; }

}  // namespace language
