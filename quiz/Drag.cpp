// Dragging the borderless quiz window by its title or a problem, as if by a caption bar.
#include "quiz/Form1.h"

namespace quiz {

void Form1::StartDrag() {
  platform_.ReleaseCapture();
  platform_.SendMessageA(hWnd(), platform::WM_NCLBUTTONDOWN_, platform::HTCAPTION_, 0);
}

}  // namespace quiz
