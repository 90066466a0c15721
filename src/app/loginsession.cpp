#include "loginsession.h"

LoginSession& loginSession() {
    static LoginSession session;
    return session;
}
