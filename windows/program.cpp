#include "program.h"

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "form2_pages/demo_road.h"

namespace vorn::win {

Program::Program() {
    m_form1 = std::make_unique<TForm1>();
    m_form2 = std::make_unique<TForm2>(m_form1->store());
    m_form3 = std::make_unique<TForm3>();
    // The script editor and the map maker are a third of the start-up and
    // show nothing on the first screen: they are made when first reached.
    OnFirstUse<TForm4> editor([this] {
        m_form4 = std::make_unique<TForm4>(m_form1->store());
        m_form4->attach(m_forms);
        return m_form4.get();
    });
    m_form5 = std::make_unique<TForm5>();
    OnFirstUse<TForm6> mapMaker([this] {
        m_form6 = std::make_unique<TForm6>(m_form1->store());
        m_form6->attach(m_forms);
        return m_form6.get();
    });
    m_forms = Forms{m_form1.get(), m_form2.get(), m_form3.get(), editor, m_form5.get(), mapMaker};
    m_form1->attach(m_forms);
    m_form2->attach(m_forms);
    m_form3->attach(m_forms);
}

Program::~Program() {
    m_form6.reset();
    m_form5.reset();
    m_form4.reset();
    m_form3.reset();
    m_form2.reset();
    m_form1.reset();
}

void Program::start() {
    m_form1->show();
    m_form2->raise();
    m_form1->activateWindow();
    installDemoRoad(m_forms);
}

} // namespace vorn::win
