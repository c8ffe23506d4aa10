// The C client program builds against the C header and writes its scene.
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace {

std::string readFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(CClient, WritesWholeScene) {
    const char *bin = std::getenv("QUILLET_BIN");
    ASSERT_NE(bin, nullptr);
    const std::string output = "c_client_scene.rib";
    std::remove(output.c_str());
    std::string command = std::string(bin) + "/c_client " + output;
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(readFile(output), "##RenderMan RIB-Structure 1.0\n"
                                "version 3.03\n"
                                "Declare \"roughness2\" \"uniform float\"\n"
                                "MakeTexture \"wood.tif\" \"wood.tx\" \"periodic\" \"clamp\" \"box\" 1 1\n"
                                "MakeShadow \"depth.z\" \"depth.shd\"\n"
                                "WorldBegin\n"
                                "LightSource \"distantlight\" 1 \"intensity\" [2]\n"
                                "AttributeBegin\n"
                                "Color [1 0 0]\n"
                                "Surface \"plastic\" \"Kd\" [0.5]\n"
                                "Translate 0 0 5 \n"
                                "Sphere 1 -1 1 360\n"
                                "AttributeEnd\n"
                                "Illuminate 1 0\n"
                                "WorldEnd\n"
                                "\n");
    std::remove(output.c_str());
}

}  // namespace
