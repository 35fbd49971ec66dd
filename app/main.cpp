#include "CToolApp.h"

int main(int argc, char** argv) {
    CToolApp app(argc, argv);
    return app.InitInstance();
}
