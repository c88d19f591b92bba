#pragma once

#include "link_graph.h"
#include "link_layout.h"

#include <QGraphicsView>

#include <optional>

#include <string>
#include <vector>

class QGraphicsRectItem;

namespace vorn::win::form4 {

// The link map drawn: a box per script where Graphviz placed it, arrows
// by kind, a legend. The wheel zooms, a drag pans, a click on a box asks
// for its script.
class LinkMapView : public QGraphicsView {
    Q_OBJECT
public:
    explicit LinkMapView(QWidget* parent = nullptr);

    // Replaces the picture; the view fits it.
    void showMap(const adventure::LinkGraph& graph, const adventure::LinkLayout& layout);
    void clearMap();
    bool empty() const { return m_boxes.empty(); }
    std::size_t boxCount() const { return m_boxes.size(); }

    // The script in the editor and the page the preview reached stand out;
    // "" marks none.
    void highlight(const std::string& editing, const std::string& reached);
    // Centres the script's box; false when the picture has none.
    bool centreOn(const std::string& name);
    void fitAll();
    // The box's centre in view coordinates, for a click; none when absent.
    std::optional<QPoint> boxCentre(const std::string& name) const;

    // "*.svg" as SVG, anything else as PNG; false when it cannot be written.
    bool saveImage(const QString& path);

signals:
    void scriptClicked(const QByteArray& name); // cp1252

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void addLegend(QRectF below);
    void paintBox(std::size_t index);

    std::vector<QGraphicsRectItem*> m_boxes;
    std::vector<std::string> m_names;
    std::vector<adventure::LinkNode> m_nodes;
    std::string m_editing, m_reached;
    QPoint m_pressedAt;
};

} // namespace vorn::win::form4
