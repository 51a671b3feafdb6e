#pragma once

/** The project's web page: the about panel's link and the support link of the not-connected panel. */
constexpr const char* PROJECT_WEB_ADDRESS = "https://velmoran-zk7-editor.example/";
constexpr const char* PROGRAM_VERSION = "1.0.9";
