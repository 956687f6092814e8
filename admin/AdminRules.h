#pragma once
// Rules of the administration that need no window: the checks of the user
// edit dialog, when the user lists must be read again, the texts of the
// delete question and the event list, and the filters of the directory
// choices.
#include <QDateTime>
#include <QString>
#include <cstdint>

// Longest password the edit dialog stores; the sign-in keypad has no limit,
// but a longer one cannot be typed back reliably.
inline constexpr int PasswordLengthMax = 254;

enum class UserEditCheck {
    Ok,
    NameEmpty,
    NameTaken,          // another user already has this name
    PasswordEmpty,
    PasswordNotDigits,  // a character outside "0".."9"
    PasswordTooLong,    // more than PasswordLengthMax characters
};

// Checks the name and password typed in the edit dialog. nameOwnerId is the
// UserID of the first user that has the typed name (0: nobody), editedUserId
// the UserID of the user being modified (0: a new user).
UserEditCheck UserEditValidate(const QString &name, const QString &password, int32_t nameOwnerId,
                               int32_t editedUserId);

// True when the check refuses the name (focus to the name box), false when it
// refuses the password or accepts both.
bool UserEditCheckIsName(UserEditCheck check);

// The lists must be read again when the name changes (always for a new user,
// whose stored name is empty) or when the status changes between active (0)
// and deactivated (any other value).
bool UserListsNeedRefresh(const QString &storedName, const QString &newName, int32_t storedStatus,
                          bool deactivatedChosen);

// "Do you really want to delete user 'name'?" in the current language.
QString UserDeleteQuestion(const QString &userName);

// One line of the event list: date and time, " : ", the event text.
QString UserActivityLine(const QDateTime &when, const QString &text);

// File-dialog filters, "Description (pattern)|pattern": the database filter
// admits only the file name in use, the picture filter the JPEG pictures.
QString DatabaseFileFilter(const QString &fileName);
QString PictureFileFilter(const QString &programName);
