// The SDL2 front-end: a host window with the device's screen in a streaming texture, mouse
// buttons as the stylus, keys mapped to the device's virtual keys.
#include <string>

#include "emulator/FrontEnd.h"

#include <SDL.h>

#include "KeyMapping.h"

namespace emulator {
namespace {

class ScreenWindow : public FrontEnd {
public:
    ~ScreenWindow() override
    {
        if (m_texture)
            SDL_DestroyTexture(m_texture);
        if (m_renderer)
            SDL_DestroyRenderer(m_renderer);
        if (m_window)
            SDL_DestroyWindow(m_window);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    bool open(const std::string& title, std::string& error)
    {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
            error = std::string("no display for the screen window: ") + SDL_GetError();
            return false;
        }
        m_window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 480, 640, 0);
        if (m_window)
            m_renderer = SDL_CreateRenderer(m_window, -1, 0);
        if (!m_window || !m_renderer) {
            error = std::string("the screen window could not be made: ") + SDL_GetError();
            return false;
        }
        return true;
    }

    void present(const ScreenImage& screen) override
    {
        if (screen.width <= 0 || screen.height <= 0)
            return;
        if (screen.width != m_width || screen.height != m_height)
            resize(screen.width, screen.height);
        SDL_UpdateTexture(m_texture, nullptr, screen.pixels.data(), screen.width * 4);
        SDL_RenderClear(m_renderer);
        SDL_RenderCopy(m_renderer, m_texture, nullptr, nullptr);
        SDL_RenderPresent(m_renderer);
    }

    bool nextInput(FrontEndInput& input) override
    {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (translate(event, input))
                return true;
        }
        return false;
    }

private:
    // The window shows the screen doubled when it is small, as a person's eye needs.
    void resize(int width, int height)
    {
        m_width = width;
        m_height = height;
        m_scale = std::min(width, height) <= 240 ? 2 : 1;
        SDL_SetWindowSize(m_window, width * m_scale, height * m_scale);
        if (m_texture)
            SDL_DestroyTexture(m_texture);
        m_texture = SDL_CreateTexture(m_renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, width, height);
    }

    bool translate(const SDL_Event& event, FrontEndInput& input) const
    {
        switch (event.type) {
        case SDL_QUIT:
            input = {FrontEndInput::Close};
            return true;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (event.button.button != SDL_BUTTON_LEFT)
                return false;
            input.kind = event.type == SDL_MOUSEBUTTONDOWN ? FrontEndInput::StylusDown : FrontEndInput::StylusUp;
            input.x = event.button.x / m_scale;
            input.y = event.button.y / m_scale;
            return true;
        case SDL_MOUSEMOTION:
            if (!(event.motion.state & SDL_BUTTON_LMASK))
                return false;
            input.kind = FrontEndInput::StylusMove;
            input.x = event.motion.x / m_scale;
            input.y = event.motion.y / m_scale;
            return true;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            if (event.key.keysym.sym == SDLK_F12) {
                input.kind = FrontEndInput::Rotate;
                return event.type == SDL_KEYDOWN;
            }
            input.kind = FrontEndInput::Key;
            input.virtualKey = virtualKeyOf(event.key.keysym.sym);
            input.down = event.type == SDL_KEYDOWN;
            return input.virtualKey != 0;
        default:
            return false;
        }
    }

    SDL_Window* m_window = nullptr;
    SDL_Renderer* m_renderer = nullptr;
    SDL_Texture* m_texture = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_scale = 1;
};

} // namespace

std::unique_ptr<FrontEnd> openScreenWindow(const std::string& title, std::string& error)
{
    auto window = std::make_unique<ScreenWindow>();
    if (!window->open(title, error))
        return nullptr;
    return window;
}

} // namespace emulator
